// The ".trn" association against the prefix's registry: written afresh, taken over from
// another program only after the question, and broken off where a key cannot be made.
#include "registration/file_type.h"

#include <gtest/gtest.h>

#include "copy_hooks.h"
#include "registration_fixture.h"
#include "wizard/product.h"

namespace {

const char DIRECTORY[] = "C:\\reg-tests\\dest\\";

std::string Classes(const std::string& key) { return RegistryText(HKEY_CLASSES_ROOT, key); }

class FileType : public RegistrationFixture {
protected:
  void TearDown() override {
    const std::string keys[] = {".trn", "trnfile", "otherfile", std::string(60, 'i')};
    for (const std::string& key : keys) EXPECT_TRUE(RemoveRegistryTree(HKEY_CLASSES_ROOT, key));
    RegistrationFixture::TearDown();
  }

  int Register() { return RegisterFileType(state, productFileTypes[0], DIRECTORY); }

  static void RegisterOther(const std::string& identifier, const std::string& description) {
    ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, ".trn", nullptr, identifier));
    if (!description.empty()) {
      ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, identifier, nullptr, description));
    }
  }

  static void ExpectTheProductsType() {
    EXPECT_EQ(Classes(".trn"), "trnfile");
    EXPECT_EQ(Classes("trnfile"), "TARN Library");
    EXPECT_EQ(Classes("trnfile\\DefaultIcon"), "C:\\reg-tests\\dest\\tarn.exe,-599");
    EXPECT_EQ(Classes("trnfile\\Shell\\Open"), "&Open");
    EXPECT_EQ(Classes("trnfile\\Shell\\Open\\command"), "\"C:\\reg-tests\\dest\\tarn.exe\" \"%1\"");
  }

  static std::string Question(const std::string& description) {
    return "The file type \"trn\" is already registered as \"" + description +
           "\"\n\nDo you want to replace this by \"TARN Library\"?";
  }
};

TEST_F(FileType, AnUnregisteredExtensionIsWrittenWithoutAQuestion) {
  MessageBoxAnswerer answerer(IDNO);
  EXPECT_EQ(Register(), 1);
  EXPECT_TRUE(answerer.Questions().empty());
  ExpectTheProductsType();
}

TEST_F(FileType, AnotherDescriptionAnsweredNoChangesNothing) {
  RegisterOther("otherfile", "Other Viewer");
  MessageBoxAnswerer answerer(IDNO);
  EXPECT_EQ(Register(), 0);
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].caption, "Install");
  EXPECT_EQ(answerer.Questions()[0].text, Question("Other Viewer"));
  EXPECT_EQ(Classes(".trn"), "otherfile");
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "trnfile"));
}

// Yes: the product's type is written anew and the other program's key stays as it was.
TEST_F(FileType, AnotherDescriptionAnsweredYesIsTakenOver) {
  RegisterOther("otherfile", "Other Viewer");
  ASSERT_TRUE(SetRegistryText(HKEY_CLASSES_ROOT, "trnfile\\Shell\\Print\\command", nullptr, "old print"));
  MessageBoxAnswerer answerer(IDYES);
  EXPECT_EQ(Register(), 1);
  EXPECT_EQ(answerer.Questions().size(), 1u);
  ExpectTheProductsType();
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "trnfile\\Shell\\Print"));
  EXPECT_EQ(Classes("otherfile"), "Other Viewer");
}

// Long identifiers and descriptions are read whole, so the question still comes.
TEST_F(FileType, LongIdentifiersAndDescriptionsStillAsk) {
  const std::string description = "Other Viewer " + std::string(90, 'd');
  RegisterOther(std::string(60, 'i'), description);
  MessageBoxAnswerer answerer(IDNO);
  EXPECT_EQ(Register(), 0);
  ASSERT_EQ(answerer.Questions().size(), 1u);
  EXPECT_EQ(answerer.Questions()[0].text, Question(description));
  EXPECT_EQ(Classes(".trn"), std::string(60, 'i'));
}

struct Taken {
  const char* name;
  const char* identifier;
  const char* description; // empty: none
};

class TakenWithoutAQuestion : public FileType, public testing::WithParamInterface<Taken> {};

TEST_P(TakenWithoutAQuestion, ReplacesTheType) {
  RegisterOther(GetParam().identifier, GetParam().description);
  MessageBoxAnswerer answerer(IDNO);
  EXPECT_EQ(Register(), 1);
  EXPECT_TRUE(answerer.Questions().empty());
  ExpectTheProductsType();
}

INSTANTIATE_TEST_SUITE_P(Cases, TakenWithoutAQuestion,
                         testing::Values(Taken{"SameDescriptionInOtherCase", "trnfile", "tarn LIBRARY"},
                                         Taken{"AnotherIdentifierWithoutDescription", "otherfile", ""},
                                         Taken{"AnEmptyIdentifier", "", ""}),
                         [](const testing::TestParamInfo<Taken>& info) { return std::string(info.param.name); });

// A key that cannot be made breaks the chain off; what was written before it stays.
TEST_F(FileType, AChainThatBreaksOffKeepsWhatWasWritten) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "trnfile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(Register(), 0);
  EXPECT_EQ(Classes(".trn"), "trnfile");
  EXPECT_EQ(Classes("trnfile"), "TARN Library");
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "trnfile\\DefaultIcon"));
  EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "trnfile\\Shell"));
}

} // namespace
