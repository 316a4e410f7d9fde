// The page on which every failed installation ends, with only "Close" left.
#ifndef TARN_CORE_ERROR_PAGE_H
#define TARN_CORE_ERROR_PAGE_H

#include <windows.h>

// Error codes; the page shows string IDS_ERROR_BASE + code formatted with the argument.
enum ErrorCode {
  ERROR_SOURCE_MISSING = 1,
  ERROR_INTERNAL_DATA_MISSING = 2,
  ERROR_CANNOT_CREATE_FILE = 3,
  ERROR_CANNOT_READ_FILE = 4,
  ERROR_CANNOT_WRITE_FILE = 5,
  ERROR_WRONG_FILE_SIZE = 6,
  ERROR_CHECKSUM = 7,
  ERROR_CANNOT_CALCULATE_CRC = 8,
  ERROR_CANNOT_UNCOMPRESS = 9,
  ERROR_ABORTED = 10,
  ERROR_CANNOT_CREATE_DIRECTORY = 11,
  ERROR_CANNOT_CREATE_REGISTRY_ENTRY = 12,
  ERROR_GROUPS_NOT_CREATED = 13,
};

// Replaces the current page; the caller's page is destroyed, so it must not be touched afterwards.
void ShowErrorPage(int code, const char* argument);
INT_PTR CALLBACK ErrorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
