// The one record through which every part of the Installer reads the product, and its rows.
// Every row field is 32 bits wide on the target; every table ends with a row whose component
// key is 0. Portable: no Windows header.
#ifndef TARN_CORE_CATALOGUE_H
#define TARN_CORE_CATALOGUE_H

#include <cstdint>

constexpr int32_t COMPONENT_END = 0;
constexpr int32_t COMPONENT_PROGRAM = 1;
constexpr int32_t COMPONENT_DATABASE = 2;

// selected values of a FileEntry
constexpr int32_t ROW_NOT_SELECTED = 0;
constexpr int32_t ROW_SELECTED = 1;
constexpr int32_t ROW_COPY_BEGUN = 2;

constexpr int32_t PAYLOAD_CHUNK_SIZE = 61440;

struct FileEntry {
  int32_t componentKey;
  const char* name;
  int32_t size;
  uint32_t checkValue; // complement of the common CRC-32 of the installed content
  int32_t compressed;  // 1: stored as an SZDD image
  int32_t intoSharedDirectory;
  int32_t reserved18;
  int32_t disk;
  int32_t firstResource; // 0: read by name from the Installer's directory
  int32_t chunkCount;
  int32_t chunkSize;
  int32_t lastChunkSize;
  int32_t reserved30[3];
  int32_t selected;
};

struct DirectoryEntry {
  int32_t componentKey;
  const char* name;
  int32_t selected;
};

struct RegistryEntry {
  int32_t componentKey;
  uint32_t rootKey; // predefined handle value, HKEY_LOCAL_MACHINE is 0x80000002
  const char* subkey;
  const char* value; // null: create the key only
  int32_t valueIsInstalledFile;
  int32_t selected;
};

struct GroupItem {
  int32_t componentKey;
  const char* file;
  const char* caption; // in the terminating row: the program group's name
  int32_t fileIsInstalled;
  int32_t alreadyPresent;
  int32_t selected;
};

struct GroupItemDeletion {
  int32_t componentKey;
  const char* caption;
  int32_t selected;
};

struct FileTypeEntry {
  int32_t componentKey;
  const char* extension;
  const char* description;
  const char* iconFile;
  int32_t iconResource;
  const char* program;
  int32_t selected;
};

struct UninstallEntry {
  int32_t componentKey;
  const char* keyName;
  const char* displayName;
  const char* uninstallProgram;
  int32_t selected;
};

struct OptionalRow {
  int32_t componentKey;
  int32_t unused;
  int32_t intoSharedDirectory;
  int32_t selected;
};

// The row layout is what the catalogue's readers and tools rely on on the 32-bit target.
static_assert(sizeof(void*) != 4 || sizeof(FileEntry) == 64, "FileEntry is 64 bytes");
static_assert(sizeof(void*) != 4 || sizeof(DirectoryEntry) == 12, "DirectoryEntry is 12 bytes");
static_assert(sizeof(void*) != 4 || sizeof(RegistryEntry) == 24, "RegistryEntry is 24 bytes");
static_assert(sizeof(void*) != 4 || sizeof(GroupItem) == 24, "GroupItem is 24 bytes");
static_assert(sizeof(void*) != 4 || sizeof(GroupItemDeletion) == 12, "GroupItemDeletion is 12 bytes");
static_assert(sizeof(void*) != 4 || sizeof(FileTypeEntry) == 28, "FileTypeEntry is 28 bytes");
static_assert(sizeof(void*) != 4 || sizeof(UninstallEntry) == 20, "UninstallEntry is 20 bytes");
static_assert(sizeof(OptionalRow) == 16, "OptionalRow is 16 bytes");

// A row of the page table that the frame walks (core/page_walk.h).
struct PageRow;

struct Catalogue {
  const PageRow* pages;
  int32_t pageCount;
  int32_t firstWorkPage; // from this page index on, pages run without Back and Next
  int32_t platformFlags;
  int32_t stampDay;
  int32_t stampMonth;
  int32_t stampYear; // two digits: below 50 is 20xx, 50 to 99 is 19xx, 100 and above as is
  FileEntry* files;
  RegistryEntry* registryEntries;
  int32_t version; // BCD major, minor
  const char* productNumber;
  const char* productKey;
  const char* productName;   // the name of its uninstall entry
  const char* displayName;   // the name in the system's list of programs
  const char* makerKey;
  const char* programFilesFolder; // below Program Files: the default destination
  const char* sharedFolder;
  const char* sharedName;
  const char* programFile;     // its presence in a destination marks an old installation
  const char* uninstallerName; // the installed uninstaller, started by the uninstall entry
  const char* runRecordKey;    // below HKEY_LOCAL_MACHINE: the record of a run not yet ended
  const char* helpCaption;     // the group item that shows the compiled help on NT 6
  const char* compiledHelpFile;
  const char* readerSetupPath; // relative to the current directory, offered on the finish page
  const char* desktopFileName;
  const char* desktopName;
  uint16_t desktopVersion;
  const char* const* obsoleteFiles;       // null-terminated; deleted from the destination
  const char* const* restartGuardedFiles; // null-terminated; freed of earlier pending operations
  DirectoryEntry* directories;
  GroupItem* groupItems;
  GroupItemDeletion* groupItemDeletions;
  FileTypeEntry* fileTypes;
  OptionalRow* sharedChoiceRows;
  OptionalRow* auxiliaryRows;
  UninstallEntry* uninstallEntries;
};

// The rows of a catalogue table, up to the row whose component key ends it, for a range-for:
//   for (FileEntry& row : TableRows(catalogue.files)) ...
// A null table has no rows.
template <typename Row>
class TableRows {
public:
  struct End {};

  class Iterator {
  public:
    explicit Iterator(Row* row) : row_(row) {}
    Row& operator*() const { return *row_; }
    Iterator& operator++() {
      ++row_;
      return *this;
    }
    bool operator!=(End) const { return row_ != nullptr && row_->componentKey != COMPONENT_END; }

  private:
    Row* row_;
  };

  explicit TableRows(Row* table) : table_(table) {}
  Iterator begin() const { return Iterator(table_); }
  End end() const { return {}; }

private:
  Row* table_;
};

// The row that ends a non-null table; in the group items it carries the group's name.
template <typename Row>
Row* EndRow(Row* table) {
  while (table->componentKey != COMPONENT_END) ++table;
  return table;
}

// As a component key argument: every row, whatever its key.
constexpr int32_t ALL_COMPONENTS = 0;

template <typename Row>
bool RowBelongsTo(const Row& row, int32_t componentKey) {
  return componentKey == ALL_COMPONENTS || row.componentKey == componentKey;
}

// Sets selected in every matching row up to the terminating row, which keeps its value
// (in the group items it carries the group's name). A null table is skipped.
template <typename Row>
void SelectRows(Row* table, int32_t componentKey, int32_t value) {
  for (Row& row : TableRows<Row>(table))
    if (RowBelongsTo(row, componentKey)) row.selected = value;
}

// Sets selected to value in the rows of the component (ALL_COMPONENTS: every row) of all the
// tables that the component choice governs. Group-item deletions keep their compiled values.
void SelectComponent(Catalogue& catalogue, int32_t componentKey, int32_t value);

#endif
