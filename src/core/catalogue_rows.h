// Row types of the product catalogue. Every field is 32 bits wide on the target;
// every table ends with a row whose component key is 0.
#ifndef TARN_CORE_CATALOGUE_ROWS_H
#define TARN_CORE_CATALOGUE_ROWS_H

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

#endif
