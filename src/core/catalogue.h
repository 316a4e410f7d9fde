// The one record through which every part of the Installer reads the product.
#ifndef TARN_CORE_CATALOGUE_H
#define TARN_CORE_CATALOGUE_H

#include <windows.h>

#include "core/catalogue_rows.h"

struct Catalogue {
  int32_t pageCount;
  int32_t firstWorkPage; // from this page index on, pages run without Back and Next
  const char** pageTemplates;
  DLGPROC* pageProcedures;
  int32_t platformFlags;
  int32_t stampDay;
  int32_t stampMonth;
  int32_t stampYear; // two digits: below 50 is 20xx, 50 to 99 is 19xx, 100 and above as is
  FileEntry* files;
  RegistryEntry* registryEntries;
  int32_t version; // BCD major, minor
  const char* productNumber;
  const char* productKey;
  const char* productName;
  const char* makerKey;
  const char* programFilesFolder;
  const char* sharedFolder;
  const char* sharedName;
  DirectoryEntry* directories;
  GroupItem* groupItems;
  GroupItemDeletion* groupItemDeletions;
  FileTypeEntry* fileTypes;
  OptionalRow* sharedChoiceRows;
  OptionalRow* auxiliaryRows;
  UninstallEntry* uninstallEntries;
};

// Page index of the destination page, whose template the frame switches at run time.
constexpr int32_t DESTINATION_PAGE = 2;
extern const char DESTINATION_TEMPLATE[];
extern const char DESTINATION_RETRY_TEMPLATE[];

// Fills a zeroed record with this product's tables and constants (defined in the wizard layer).
void FillCatalogue(Catalogue& catalogue);

#endif
