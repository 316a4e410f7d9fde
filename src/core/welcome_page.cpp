#include "core/welcome_page.h"

#include "core/navigation.h"
#include "core/product_tables.h"
#include "resource_ids.h"

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetDlgItemTextA(page, IDC_PRODUCT_IDENTITY, PRODUCT_IDENTITY);
  return DefaultPageProc(page, message, wParam, lParam);
}
