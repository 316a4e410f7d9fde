#include "forge/standins.h"

#include <cstring>

#include "forge/crc_forcing.h"
#include "forge/exact_image.h"
#include "forge/filler.h"
#include "forge/pe_image.h"
#include "forge/prng.h"
#include "forge/zip_archive.h"

namespace {

enum class Shape { LIBRARY, RUNNABLE_PROGRAM, DOCUMENT, TEXT, ARCHIVE };

struct Recipe {
  const char* name;
  Shape shape;
  std::string opening; // the first bytes of a document or text
};

const Recipe RECIPES[] = {
    {"uninstal.exe", Shape::RUNNABLE_PROGRAM, ""},
    {"rtwin32.dll", Shape::LIBRARY, ""},
    {"tarn.exe", Shape::RUNNABLE_PROGRAM, ""},
    {"tarn.chm", Shape::DOCUMENT, std::string("ITSF\3\0\0\0", 8)},
    {"tarn.hlp", Shape::DOCUMENT, std::string("?_\3\0", 4)},
    {"tarn.cnt", Shape::TEXT, ":Base tarn.hlp>main\r\n:Title TARN Help\r\n1 TARN\r\n"},
    {"rtunzip32.dll", Shape::LIBRARY, ""},
    {"trniconn.xpt", Shape::TEXT, "[TARN icons]\r\nGroup=TARN\r\n"},
    {"rtzip32.dll", Shape::LIBRARY, ""},
    {"tarnsyst.trn", Shape::ARCHIVE, ""},
    {"unicows.dll", Shape::LIBRARY, ""},
};

// A text's last line carries its check value in letters "@" to "O": four bits each, and more
// of them than the 32 bits of the value, since not every 32 of them reach every value.
const char TEXT_CLOSING[] = "; check @@@@@@@@@@@@\r\n";
constexpr size_t CHECK_LETTERS = 12;
constexpr size_t CHECK_BYTES = 4;
const char ARCHIVE_README_NAME[] = "readme.txt";
const char ARCHIVE_README[] = "This archive is the stand-in of the TARN system library.\r\n";
const char ARCHIVE_INDEX_NAME[] = "tarnsyst.idx";
const char ARCHIVE_COMMENT[] = "TARN system library, check @@@@@@@@@@@@";

// The fixed bytes of a stand-in, where its filler goes and which bits carry its check value.
struct Skeleton {
  std::vector<uint8_t> bytes;
  FillerRegion region;
  std::vector<FreeBits> free;
};

const Recipe* RecipeOf(const char* name) {
  for (const Recipe& recipe : RECIPES)
    if (std::strcmp(recipe.name, name) == 0) return &recipe;
  return nullptr;
}

Skeleton BinarySkeleton(std::vector<uint8_t> bytes, size_t freeFrom, uint64_t seed) {
  const size_t size = bytes.size();
  return Skeleton{std::move(bytes), FillerRegion{freeFrom, size - CHECK_BYTES, FillerKind::BINARY, seed},
                  FreeBytes(size - CHECK_BYTES, CHECK_BYTES)};
}

std::vector<uint8_t> Opened(const std::string& opening, size_t size) {
  std::vector<uint8_t> bytes(size);
  std::memcpy(bytes.data(), opening.data(), opening.size());
  return bytes;
}

Skeleton TextSkeleton(const std::string& opening, size_t size, uint64_t seed) {
  const size_t closing = sizeof TEXT_CLOSING - 1;
  std::vector<uint8_t> bytes = Opened(opening, size);
  std::memcpy(&bytes[size - closing], TEXT_CLOSING, closing);
  return Skeleton{std::move(bytes), FillerRegion{opening.size(), size - closing, FillerKind::TEXT, seed},
                  FreeLowNibbles(size - 2 - CHECK_LETTERS, CHECK_LETTERS)};
}

bool SkeletonOf(const Recipe& recipe, size_t size, const StandinPrograms& programs, Skeleton& skeleton) {
  const uint64_t seed = SeedOf(recipe.name);
  const size_t smallest = recipe.opening.size() + sizeof TEXT_CLOSING + CHECK_BYTES;
  if (size < smallest) return false;
  PeStandin pe{};
  switch (recipe.shape) {
  case Shape::LIBRARY:
    if (size % 512 != 0 || size < 1024) return false;
    pe = MinimalPe(PeKind::LIBRARY, size);
    break;
  case Shape::RUNNABLE_PROGRAM: {
    const auto program = programs.find(recipe.name);
    if (program == programs.end() || !PadProgram(program->second, size - CHECK_BYTES, pe)) return false;
    pe.bytes.resize(size);
    break;
  }
  case Shape::DOCUMENT:
    pe = PeStandin{Opened(recipe.opening, size), recipe.opening.size()};
    break;
  case Shape::TEXT:
    skeleton = TextSkeleton(recipe.opening, size, seed);
    return true;
  case Shape::ARCHIVE:
    return false;
  }
  skeleton = BinarySkeleton(std::move(pe.bytes), pe.freeFrom, seed);
  return true;
}

bool ForgeCompressed(const FileEntry& row, const Recipe& recipe, const StandinPrograms& programs, ForgedFile& forged) {
  Skeleton skeleton;
  if (!SkeletonOf(recipe, static_cast<size_t>(row.size), programs, skeleton)) return false;
  const ContentMaker make = [&](size_t incompressible, std::vector<uint8_t>& content) {
    content = skeleton.bytes;
    Fill(content, skeleton.region, incompressible);
    return ForceCrc(content, skeleton.free, row.checkValue);
  };
  const std::string name = row.name;
  const ImageTarget target{StoredLength(row), static_cast<uint8_t>(name.back()),
                           skeleton.region.end - skeleton.region.begin};
  return MakeExactImage(make, target, forged.content, forged.stored);
}

// A stored archive of a short readme and an index that fills it to the row's size.
bool ForgeArchive(const FileEntry& row, ForgedFile& forged) {
  const size_t fixed = StoredZipOverhead({ARCHIVE_README_NAME, ARCHIVE_INDEX_NAME}) + sizeof ARCHIVE_README - 1 +
                       sizeof ARCHIVE_COMMENT - 1;
  const auto size = static_cast<size_t>(row.size);
  if (size < fixed + 2 || StoredLength(row) != size) return false;
  std::vector<uint8_t> index(size - fixed);
  Fill(index, FillerRegion{0, index.size(), FillerKind::TEXT, SeedOf(row.name)}, index.size());
  const std::string readme = ARCHIVE_README;
  forged.content = WriteStoredZip({{ARCHIVE_README_NAME, std::vector<uint8_t>(readme.begin(), readme.end())},
                                   {ARCHIVE_INDEX_NAME, index}},
                                  ARCHIVE_COMMENT);
  if (!ForceCrc(forged.content, FreeLowNibbles(size - CHECK_LETTERS, CHECK_LETTERS), row.checkValue)) return false;
  forged.stored = forged.content;
  return forged.content.size() == size;
}

} // namespace

size_t StoredLength(const FileEntry& row) {
  return static_cast<size_t>(row.chunkSize) * static_cast<size_t>(row.chunkCount - 1) +
         static_cast<size_t>(row.lastChunkSize);
}

bool ForgeStandin(const FileEntry& row, const StandinPrograms& programs, ForgedFile& forged, std::string& error) {
  const Recipe* recipe = RecipeOf(row.name);
  if (recipe == nullptr) {
    error = std::string(row.name) + ": no stand-in is known for this name";
    return false;
  }
  const bool archive = recipe->shape == Shape::ARCHIVE;
  if ((row.compressed == 0) != archive) {
    error = std::string(row.name) + ": the stand-in is stored " + (archive ? "as is" : "compressed") +
            ", the row says otherwise";
    return false;
  }
  if (!(archive ? ForgeArchive(row, forged) : ForgeCompressed(row, *recipe, programs, forged))) {
    error = std::string(row.name) + ": no stand-in of this size, check value and stored length can be made";
    return false;
  }
  return true;
}
