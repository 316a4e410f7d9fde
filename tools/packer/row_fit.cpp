#include "packer/row_fit.h"

#include <cstdio>

#include "payload/crc32.h"
#include "szdd/szdd_decoder.h"
#include "szdd/szdd_format.h"

namespace {

bool Expand(const std::vector<uint8_t>& image, const SzddHeader& header, std::vector<uint8_t>& content) {
  content.resize(header.expandedLength);
  const SzddExpansion expansion = ExpandSzddImage(image.data(), image.size(), content.data(), content.size());
  return expansion.outcome == SzddOutcome::EXPANDED;
}

std::string RowLabel(int rowNumber, const FileEntry& row) {
  return "row " + std::to_string(rowNumber) + " (" + row.name + ")";
}

void Compare(std::string& out, const std::string& row, const char* field, int64_t catalogue, int64_t fitted,
             const char* format) {
  if (catalogue == fitted) return;
  char line[200];
  char values[2][24];
  std::snprintf(values[0], sizeof values[0], format, static_cast<long long>(fitted));
  std::snprintf(values[1], sizeof values[1], format, static_cast<long long>(catalogue));
  std::snprintf(line, sizeof line, "%s: %s is %s in the stored form, %s in the catalogue\n", row.c_str(), field,
                values[0], values[1]);
  out += line;
}

} // namespace

bool FitRow(const std::vector<uint8_t>& stored, int32_t firstResource, const FileEntry& like, FileEntry& row) {
  if (stored.empty()) return false;
  row = like;
  SzddHeader header{};
  std::vector<uint8_t> expanded;
  row.compressed = ReadSzddHeader(stored.data(), stored.size(), header) ? 1 : 0;
  if (row.compressed == 1 && !Expand(stored, header, expanded)) return false;
  const std::vector<uint8_t>& content = row.compressed == 1 ? expanded : stored;
  row.size = static_cast<int32_t>(content.size());
  row.checkValue = Crc32Update(content.data(), content.size(), CRC32_START);
  row.firstResource = firstResource;
  row.chunkSize = PAYLOAD_CHUNK_SIZE;
  row.chunkCount = static_cast<int32_t>((stored.size() + PAYLOAD_CHUNK_SIZE - 1) / PAYLOAD_CHUNK_SIZE);
  row.lastChunkSize = static_cast<int32_t>(stored.size() - static_cast<size_t>(row.chunkCount - 1) * PAYLOAD_CHUNK_SIZE);
  return true;
}

std::string Disagreements(int rowNumber, const FileEntry& catalogue, const FileEntry& fitted) {
  const std::string row = RowLabel(rowNumber, catalogue);
  std::string out;
  Compare(out, row, "size", catalogue.size, fitted.size, "%lld");
  Compare(out, row, "check value", catalogue.checkValue, fitted.checkValue, "0x%08llX");
  Compare(out, row, "compressed", catalogue.compressed, fitted.compressed, "%lld");
  Compare(out, row, "first resource", catalogue.firstResource, fitted.firstResource, "%lld");
  Compare(out, row, "chunk count", catalogue.chunkCount, fitted.chunkCount, "%lld");
  Compare(out, row, "chunk size", catalogue.chunkSize, fitted.chunkSize, "%lld");
  Compare(out, row, "last chunk size", catalogue.lastChunkSize, fitted.lastChunkSize, "%lld");
  return out;
}

std::string CheckStoredForms(const FileEntry* rows, const std::vector<std::vector<uint8_t>>& storedForms) {
  std::string out;
  int32_t firstResource = PAYLOAD_FIRST_RESOURCE;
  size_t i = 0;
  for (; rows[i].componentKey != COMPONENT_END; ++i) {
    const std::string row = RowLabel(static_cast<int>(i + 1), rows[i]);
    FileEntry fitted{};
    if (i >= storedForms.size()) {
      out += row + ": has no stored form\n";
    } else if (!FitRow(storedForms[i], firstResource, rows[i], fitted)) {
      out += row + ": the stored form is empty or an SZDD image that does not expand whole\n";
    } else {
      out += Disagreements(static_cast<int>(i + 1), rows[i], fitted);
      firstResource += fitted.chunkCount;
    }
  }
  if (storedForms.size() > i) out += "more stored forms than catalogue rows\n";
  return out;
}
