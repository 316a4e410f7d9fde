// This product's catalogue tables. Writable: the component selection marks rows at run time.
#ifndef TARN_CORE_PRODUCT_TABLES_H
#define TARN_CORE_PRODUCT_TABLES_H

#include "core/catalogue_rows.h"

constexpr int32_t PRODUCT_PAGE_COUNT = 9;
constexpr int32_t PRODUCT_FIRST_WORK_PAGE = 5;
constexpr int32_t PRODUCT_PLATFORM_FLAGS = 14; // ACCEPT_WIN9X | NT_OTHER_FONTS_IN_SYSTEM | ACCEPT_NT4
constexpr int32_t PRODUCT_STAMP_DAY = 6;
constexpr int32_t PRODUCT_STAMP_MONTH = 5;
constexpr int32_t PRODUCT_STAMP_YEAR = 10;
constexpr int32_t PRODUCT_VERSION = 0x1203;

extern const char PRODUCT_NUMBER[];
// Shown on the welcome page; one blank before the revision, unlike the product number.
extern const char PRODUCT_IDENTITY[];
extern const char PRODUCT_KEY[];
extern const char PRODUCT_NAME[];
extern const char MAKER_KEY[];
// Folder below the Program Files directory that is the default destination.
extern const char PRODUCT_DEFAULT_FOLDER[];

extern FileEntry productFiles[];
extern RegistryEntry productRegistryEntries[];
extern DirectoryEntry productDirectories[];
extern GroupItem productGroupItems[];
extern FileTypeEntry productFileTypes[];

#endif
