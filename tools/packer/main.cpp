// The packer.
//   tarn_packer pack STORED_FOLDER OUT_FOLDER: checks the stored forms (one file per catalogue
//     row, under its name) against the catalogue, then writes their chunk files and
//     payload.rc into OUT_FOLDER. Fails naming row and field when a row disagrees.
//   tarn_packer rows PRODUCT_FOLDER: compresses the real product files (under the catalogue's
//     names) as the catalogue stores them and prints the file table's rows that fit them.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/file_bytes.h"
#include "packer/resource_script.h"
#include "packer/row_fit.h"
#include "packer/row_text.h"
#include "szdd/szdd_encoder.h"
#include "wizard/product.h"

namespace {

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
  for (size_t i = 0; i < storedForms.size(); ++i) {
    for (const Chunk& chunk : CutIntoChunks(storedForms[i], productFiles[i].firstResource, PAYLOAD_CHUNK_SIZE)) {
      if (!SaveFile(out + "/" + ChunkFileName(chunk.id), chunk.bytes)) return false;
      ids.push_back(chunk.id);
    }
  }
  std::string script;
  return WriteResourceScript(ids, out, script) && SaveText(out + "/payload.rc", script);
}

int Pack(const std::string& storedFolder, const std::string& out) {
  std::vector<std::vector<uint8_t>> storedForms;
  if (!ReadRowFiles(storedFolder, storedForms)) return 1;
  const std::string disagreements = CheckStoredForms(productFiles, storedForms);
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

int PrintRows(const std::string& productFolder) {
  std::vector<std::vector<uint8_t>> files;
  if (!ReadRowFiles(productFolder, files)) return 1;
  int32_t firstResource = PAYLOAD_FIRST_RESOURCE;
  for (size_t i = 0; i < files.size(); ++i) {
    const FileEntry& like = productFiles[i];
    const uint8_t lastNameCharacter = static_cast<uint8_t>(like.name[std::strlen(like.name) - 1]);
    const std::vector<uint8_t> stored =
        like.compressed != 0 ? CompressSzdd(files[i].data(), files[i].size(), lastNameCharacter) : files[i];
    FileEntry fitted{};
    if (!FitRow(stored, firstResource, like, fitted)) {
      std::fprintf(stderr, "packer: %s is empty\n", like.name);
      return 1;
    }
    std::fputs(RowInitialiser(fitted).c_str(), stdout);
    firstResource += fitted.chunkCount;
  }
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "pack") == 0) return Pack(argv[2], argv[3]);
  if (argc == 3 && std::strcmp(argv[1], "rows") == 0) return PrintRows(argv[2]);
  std::fprintf(stderr, "usage: %s pack STORED_FOLDER OUT_FOLDER\n       %s rows PRODUCT_FOLDER\n", argv[0], argv[0]);
  return 2;
}
