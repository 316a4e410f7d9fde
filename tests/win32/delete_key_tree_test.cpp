// Deleting a key tree against the prefix's registry: depth first, stepping past what stays.
#include "registration/registry_values.h"

#include <gtest/gtest.h>

#include <string>

#include "registry_text.h"

namespace {

const std::string TOP = "SOFTWARE\\TarnTreeTests";

class DeleteTree : public testing::Test {
protected:
  void TearDown() override { EXPECT_TRUE(RemoveRegistryTree(HKEY_LOCAL_MACHINE, TOP)); }

  static void Make(const std::string& below) {
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, TOP + "\\" + below, "value", "text"));
  }
  static bool Exists(const std::string& below) {
    return RegistryKeyExists(HKEY_LOCAL_MACHINE, below.empty() ? TOP : TOP + "\\" + below);
  }
  static int DeleteTop() { return DeleteKeyTree(HKEY_LOCAL_MACHINE, TOP.c_str()); }
};

TEST_F(DeleteTree, AMissingKeyGivesZero) { EXPECT_EQ(DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\TarnNoSuchKey"), 0); }

TEST_F(DeleteTree, DeletesEveryLevelBelowTheKey) {
  Make("a\\deep\\deeper");
  Make("a\\second");
  Make("b");
  // 99 characters still fit the enumeration buffer.
  Make(std::string(99, 'n'));
  EXPECT_EQ(DeleteTop(), 1);
  EXPECT_FALSE(Exists(""));
}

// The platform keeps a key that still has a subkey: "b" stays, its siblings go.
TEST_F(DeleteTree, ASubkeyThatStaysIsSteppedPast) {
  Make("a");
  Make("b\\" + std::string(100, 'x'));
  Make("c\\below");
  EXPECT_EQ(DeleteTop(), 0);
  EXPECT_FALSE(Exists("a"));
  EXPECT_TRUE(Exists("b"));
  EXPECT_FALSE(Exists("c"));
}

// A name that does not fit the buffer ends the walk: what follows it is not visited.
TEST_F(DeleteTree, ALongNameEndsTheWalk) {
  Make("a");
  Make(std::string(100, 'm'));
  Make("z");
  EXPECT_EQ(DeleteTop(), 0);
  EXPECT_FALSE(Exists("a"));
  EXPECT_TRUE(Exists(std::string(100, 'm')));
  EXPECT_TRUE(Exists("z"));
}

} // namespace
