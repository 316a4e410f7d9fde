// This product: its names, keys, file names and catalogue tables, in one place. setup.exe hands
// them down through the catalogue; the uninstaller and the build's tools read them here.
// Portable: no Windows header.
#ifndef TARN_WIZARD_PRODUCT_H
#define TARN_WIZARD_PRODUCT_H

#include "core/catalogue.h"

constexpr int32_t PRODUCT_PLATFORM_FLAGS = 14; // ACCEPT_WIN9X | NT_OTHER_FONTS_IN_SYSTEM | ACCEPT_NT4
constexpr int32_t PRODUCT_STAMP_DAY = 6;
constexpr int32_t PRODUCT_STAMP_MONTH = 5;
constexpr int32_t PRODUCT_STAMP_YEAR = 10;
constexpr int32_t PRODUCT_VERSION = 0x1203;
constexpr uint16_t DESKTOP_VERSION = 0x1203;

// Defined once, so that setup.exe and uninstal.exe each store them once.
extern const char PRODUCT_NUMBER[];
// Shown on the welcome page; one blank before the revision, unlike the product number.
extern const char PRODUCT_IDENTITY[];
extern const char PRODUCT_KEY[];
// The name of the product's uninstall entry.
extern const char PRODUCT_NAME[];
// The product's name in the system's list of programs.
extern const char PRODUCT_DISPLAY_NAME[];
extern const char MAKER_KEY[];
// The short name: the default destination's folder below Program Files, the program group,
// and the program's item in it.
extern const char PRODUCT_SHORT_NAME[];
// The program, whose presence in a destination marks an old installation.
extern const char PROGRAM_FILE[];
// The uninstaller that the uninstall entry starts.
extern const char UNINSTALLER_NAME[];
// Below HKEY_LOCAL_MACHINE: the record of a run not yet ended, and the folders that runs
// completed in, one value's name each, which the uninstaller takes as installed by setup.exe.
extern const char RUN_RECORD_KEY[];
extern const char INSTALLED_FOLDERS_KEY[];
// The group item that opens the compiled help instead on NT 6, and that help file.
extern const char HELP_CAPTION[];
extern const char COMPILED_HELP_FILE[];
// The document reader's setup program, relative to the current directory (not to the
// Installer's own folder), offered on the finish page.
extern const char READER_SETUP_PATH[];
// The desktop file in the destination, and the name in its header.
extern const char DESKTOP_FILE_NAME[];
extern const char DESKTOP_NAME[];
// Files that earlier versions left in the destination directory; null-terminated.
extern const char* const OBSOLETE_FILES[];
// Installed files that a pending restart operation of earlier days could rename or delete;
// null-terminated.
extern const char* const RESTART_GUARDED_FILES[];

// Writable: the component selection marks rows at run time.
extern FileEntry productFiles[];
extern RegistryEntry productRegistryEntries[];
extern DirectoryEntry productDirectories[];
extern GroupItem productGroupItems[];
extern FileTypeEntry productFileTypes[];

#endif
