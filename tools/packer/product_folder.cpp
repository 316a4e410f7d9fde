#include "packer/product_folder.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#include "files/file_bytes.h"
#include "packer/row_fit.h"
#include "packer/row_text.h"
#include "szdd/szdd_encoder.h"

namespace fs = std::filesystem;

namespace {

constexpr uintmax_t LARGEST_FILE = std::numeric_limits<int32_t>::max();
// The highest id a resource can have: the payload's chunks must stay at or below it.
constexpr int32_t LAST_RESOURCE_ID = 65535;

bool IsRowName(const FileEntry* rows, const std::string& name) {
  for (const FileEntry* row = rows; row->componentKey != COMPONENT_END; ++row)
    if (name == row->name) return true;
  return false;
}

// Anything in the folder that no row names: a release carries nothing it does not list.
bool OnlyRowNames(const std::string& folder, const FileEntry* rows, std::string& error) {
  std::error_code failure;
  fs::directory_iterator entry(folder, failure);
  if (failure) return error = "cannot read the folder " + folder + ": " + failure.message(), false;
  for (; entry != fs::directory_iterator(); entry.increment(failure)) {
    const std::string name = entry->path().filename().string();
    if (!IsRowName(rows, name)) return error = name + ": not one of the product's files", false;
  }
  if (failure) return error = "cannot read the folder " + folder + ": " + failure.message(), false;
  return true;
}

// Checked by its status first: a pipe is never opened, and a file too large is never read.
bool ReadRowFile(const std::string& path, const char* name, std::vector<uint8_t>& content, std::string& error) {
  std::error_code failure;
  const fs::file_status status = fs::status(path, failure);
  if (!fs::exists(status)) return error = std::string(name) + ": missing", false;
  if (!fs::is_regular_file(status)) return error = std::string(name) + ": unreadable, not a regular file", false;
  const uintmax_t size = fs::file_size(path, failure);
  if (failure) return error = std::string(name) + ": unreadable, " + failure.message(), false;
  if (size == 0) return error = std::string(name) + ": empty", false;
  if (size > LARGEST_FILE)
    return error = std::string(name) + ": too large, " + std::to_string(size) + " bytes (at most " +
                   std::to_string(LARGEST_FILE) + ")",
           false;
  if (!LoadFile(path, content) || content.size() != size) return error = std::string(name) + ": unreadable", false;
  return true;
}

std::vector<uint8_t> StoredForm(const FileEntry& like, const std::vector<uint8_t>& content) {
  if (like.compressed == 0) return content;
  const uint8_t lastNameCharacter = static_cast<uint8_t>(like.name[std::strlen(like.name) - 1]);
  return CompressSzdd(content.data(), content.size(), lastNameCharacter);
}

} // namespace

bool ReadProductFolder(const std::string& folder, const FileEntry* rows, const char* optionalName,
                       std::vector<ReleaseFile>& files, std::string& error) {
  if (!OnlyRowNames(folder, rows, error)) return false;
  files.clear();
  int32_t firstResource = PAYLOAD_FIRST_RESOURCE;
  for (const FileEntry* like = rows; like->componentKey != COMPONENT_END; ++like) {
    const std::string path = folder + "/" + like->name;
    ReleaseFile file{*like, true, {}};
    std::error_code failure;
    if (optionalName != nullptr && std::strcmp(like->name, optionalName) == 0 && !fs::exists(path, failure)) {
      file.present = false;
      file.row.firstResource = firstResource;
    } else {
      std::vector<uint8_t> content;
      if (!ReadRowFile(path, like->name, content, error)) return false;
      file.stored = StoredForm(*like, content);
      if (file.stored.size() > LARGEST_FILE || !FitRow(file.stored, firstResource, *like, file.row))
        return error = std::string(like->name) + ": too large once compressed", false;
      // The fit reads a form by its header; a file stored as is must not look compressed.
      if (file.row.compressed != like->compressed)
        return error = std::string(like->name) + ": begins like a compressed image, which a file stored as is cannot",
               false;
    }
    firstResource += file.row.chunkCount;
    if (firstResource - 1 > LAST_RESOURCE_ID)
      return error = std::string(like->name) + ": too large, the payload's resources would pass id " +
                     std::to_string(LAST_RESOURCE_ID),
             false;
    files.push_back(std::move(file));
  }
  return true;
}

std::string FileTableText(const std::vector<ReleaseFile>& files) {
  std::string text;
  for (const ReleaseFile& file : files) text += RowInitialiser(file.row);
  return text;
}
