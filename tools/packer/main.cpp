// The packer.
//   tarn_packer pack STORED_FOLDER OUT_FOLDER [FILE_TABLE]: checks the stored forms (one file
//     per catalogue row, under its name) against the catalogue, or against the file table
//     that `table` wrote for them, then writes their chunk files and payload.rc into
//     OUT_FOLDER. Fails naming row and field, or the table's line, when they disagree.
//   tarn_packer table PRODUCT_FOLDER OUT_FOLDER SETUP_EXE: checks a folder of the real
//     product files (under the catalogue's names; "uninstal.exe" may be missing, and ours is
//     forged to its row then), compresses them as the catalogue stores them into
//     OUT_FOLDER/stored and writes the file table that fits them, OUT_FOLDER/product_files.inc.
//     A folder that fails its checks leaves neither the table nor SETUP_EXE (an earlier
//     build's) behind.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "packer/product_folder.h"
#include "packer/resource_script.h"
#include "packer/row_fit.h"
#include "packer/row_text.h"
#include "wizard/product.h"

namespace {

const char FILE_TABLE_NAME[] = "product_files.inc";
const char STORED_FOLDER_NAME[] = "stored";

bool ReadRowFiles(const std::string& folder, std::vector<std::vector<uint8_t>>& files) {
  for (const FileEntry* row = productFiles; row->componentKey != COMPONENT_END; ++row) {
    files.emplace_back();
    const std::string path = folder + "/" + row->name;
    if (!LoadFile(path, files.back())) {
      std::fprintf(stderr, "packer: cannot read %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

bool WriteChunks(const std::vector<std::vector<uint8_t>>& storedForms, const std::string& out) {
  std::vector<int32_t> ids;
  int32_t firstResource = PAYLOAD_FIRST_RESOURCE;
  for (const std::vector<uint8_t>& stored : storedForms) {
    for (const Chunk& chunk : CutIntoChunks(stored, firstResource, PAYLOAD_CHUNK_SIZE)) {
      if (!SaveFile(out + "/" + ChunkFileName(chunk.id), chunk.bytes)) return false;
      ids.push_back(chunk.id);
      ++firstResource;
    }
  }
  std::string script;
  return WriteResourceScript(ids, out, script) && SaveText(out + "/payload.rc", script);
}

// The disagreements of the stored forms with a file table that `table` wrote: its text
// against the rows that the forms fit, line by line.
std::string TableDisagreements(const std::vector<std::vector<uint8_t>>& storedForms, const std::string& tablePath) {
  std::vector<uint8_t> table;
  if (!LoadFile(tablePath, table)) return "cannot read " + tablePath + "\n";
  std::string fitted;
  int32_t firstResource = PAYLOAD_FIRST_RESOURCE;
  for (size_t i = 0; i < storedForms.size(); ++i) {
    FileEntry row{};
    if (!FitRow(storedForms[i], firstResource, productFiles[i], row))
      return std::string(productFiles[i].name) + ": the stored form is empty or does not expand whole\n";
    fitted += RowInitialiser(row);
    firstResource += row.chunkCount;
  }
  if (fitted == std::string(table.begin(), table.end())) return "";
  return "the file table " + tablePath + " says\n" + std::string(table.begin(), table.end()) +
         "the stored forms fit\n" + fitted;
}

int Pack(const std::string& storedFolder, const std::string& out, const char* tablePath) {
  std::vector<std::vector<uint8_t>> storedForms;
  if (!ReadRowFiles(storedFolder, storedForms)) return 1;
  const std::string disagreements = tablePath != nullptr ? TableDisagreements(storedForms, tablePath)
                                                         : CheckStoredForms(productFiles, storedForms);
  if (!disagreements.empty()) {
    std::fprintf(stderr, "packer: the payload disagrees with the catalogue:\n%s", disagreements.c_str());
    return 1;
  }
  if (!WriteChunks(storedForms, out)) {
    std::fprintf(stderr, "packer: cannot write the chunks and their script into %s\n", out.c_str());
    return 1;
  }
  return 0;
}

// Files that already hold these bytes are left untouched, so that a build of the same folder
// again compiles nothing again.
bool WriteTable(const std::vector<ReleaseFile>& files, const std::string& out) {
  std::error_code failure;
  const std::string stored = out + "/" + STORED_FOLDER_NAME;
  std::filesystem::create_directories(stored, failure);
  if (failure) return false;
  for (const ReleaseFile& file : files) {
    const std::string path = stored + "/" + file.row.name;
    // An earlier folder's file would keep the forge from making ours again.
    if (!file.present) std::filesystem::remove(path, failure);
    if (failure || (file.present && !SaveFileIfChanged(path, file.stored))) return false;
  }
  const std::string text = FileTableText(files);
  return SaveFileIfChanged(out + "/" + FILE_TABLE_NAME, std::vector<uint8_t>(text.begin(), text.end()));
}

int Table(const std::string& productFolder, const std::string& out, const std::string& setupExe) {
  std::vector<ReleaseFile> files;
  std::string error;
  const bool read = ReadProductFolder(productFolder, productFiles, UNINSTALLER_NAME, files, error);
  if (read && WriteTable(files, out)) return 0;
  if (read) error = "cannot write the stored forms and the file table into " + out;
  std::fprintf(stderr, "packer: %s: %s\n", productFolder.c_str(), error.c_str());
  std::error_code ignored;
  std::filesystem::remove(out + "/" + FILE_TABLE_NAME, ignored);
  std::filesystem::remove(setupExe, ignored);
  return 1;
}

} // namespace

int main(int argc, char** argv) {
  if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "pack") == 0)
    return Pack(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
  if (argc == 5 && std::strcmp(argv[1], "table") == 0) return Table(argv[2], argv[3], argv[4]);
  std::fprintf(stderr,
               "usage: %s pack STORED_FOLDER OUT_FOLDER [FILE_TABLE]\n"
               "       %s table PRODUCT_FOLDER OUT_FOLDER SETUP_EXE\n",
               argv[0], argv[0]);
  return 2;
}
