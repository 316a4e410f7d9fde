#include "core/run_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Composed(RecordKind kind, const std::string& path, char root = 0) {
  char line[RECORD_LINE_CAPACITY];
  return ComposeRecordLine(line, kind, root, path.c_str()) ? line : "(refused)";
}

TEST(RunRecord, LinesReadBackAsWritten) {
  const struct {
    RecordKind kind;
    char root;
    const char* path;
  } cases[] = {
      {RECORD_FILE_CREATED, 0, "C:\\Program Files\\TARN\\tarn.exe"},
      {RECORD_FILE_REPLACED, 0, "d:\\TARN\\tarn.hlp"},
      {RECORD_DIRECTORY_CREATED, 0, "D:\\TARN"},
      {RECORD_KEY_CREATED, RECORD_MACHINE_ROOT, "SOFTWARE\\Veltrum\\TARN"},
      {RECORD_KEY_LEVEL_CREATED, RECORD_MACHINE_ROOT, "SOFTWARE\\Veltrum"},
      {RECORD_KEY_SAVED, RECORD_CLASSES_ROOT, ".trn"},
  };
  for (const auto& c : cases) {
    const std::string text = Composed(c.kind, c.path, c.root);
    RecordLine line;
    ASSERT_TRUE(ReadRecordLine(text.c_str(), line)) << text;
    EXPECT_EQ(line.kind, c.kind);
    EXPECT_EQ(line.root, c.root);
    EXPECT_STREQ(line.path, c.path);
  }
  EXPECT_EQ(Composed(RECORD_FILE_CREATED, "C:\\a"), "FC:\\a");
  EXPECT_EQ(Composed(RECORD_KEY_SAVED, "SOFTWARE\\x", RECORD_MACHINE_ROOT), "SMSOFTWARE\\x");
}

TEST(RunRecord, ALongerLineIsRefusedWhole) {
  const std::string fits = "C:\\" + std::string(RECORD_LINE_CAPACITY - 5, 'a');
  EXPECT_NE(Composed(RECORD_FILE_CREATED, fits), "(refused)");
  EXPECT_EQ(Composed(RECORD_FILE_CREATED, fits + "a"), "(refused)");
}

// Undoing a line that is not surely ours could delete what is not: such lines are passed over.
TEST(RunRecord, LinesNotOursAreRefused) {
  for (const char* text : {"", "F", "X C:\\a", "fC:\\a", "Ftarn.exe", "F\\a", "FC:\\a\tb", "DC:\\a\n", "RC:",
                           "DC:relative", "R\\\\server\\share\\a", "F@:\\a",
                           // A key's line: a root it names, and a path below it.
                           "K", "KM", "KX\\SOFTWARE", "KM\\", "SM\\SOFTWARE", "LC", "SH.trn", "KMa\tb",
                           "FMSOFTWARE\\x"}) {
    RecordLine line;
    EXPECT_FALSE(ReadRecordLine(text, line)) << '"' << text << '"';
  }
}

TEST(RunRecord, MarkedNamesChangeTheNamesLastCharacterOnly) {
  const struct {
    const char* path;
    char mark;
    const char* marked; // null: refused, the path unchanged
  } cases[] = {
      {"C:\\TARN\\tarn.exe", WHOLE_MARK, "C:\\TARN\\tarn.ex~"},
      {"C:\\TARN\\tarn.hlp", KEPT_MARK, "C:\\TARN\\tarn.hl#"},
      {"tarnsyst.trn", COMPRESSED_MARK, "tarnsyst.tr_"},
      {"C:\\TARN\\a.b", COMPRESSED_MARK, "C:\\TARN\\a._"},
      {"C:\\TARN\\tarn.", WHOLE_MARK, nullptr},
      {"C:\\TARN\\README", WHOLE_MARK, nullptr},
      {"", WHOLE_MARK, nullptr},
      // The dot of a folder is not the name's.
      {"C:\\TARN.12\\README", WHOLE_MARK, nullptr},
  };
  for (const auto& c : cases) {
    char path[64];
    std::snprintf(path, sizeof path, "%s", c.path);
    EXPECT_EQ(MakeMarkedName(path, c.mark), c.marked != nullptr) << c.path;
    EXPECT_STREQ(path, c.marked != nullptr ? c.marked : c.path);
    char copy[PATH_CAPACITY];
    EXPECT_EQ(MakeMarkedCopy(c.path, c.mark, copy), c.marked != nullptr) << c.path;
    EXPECT_STREQ(copy, c.marked != nullptr ? c.marked : "");
  }
}

} // namespace
