// The main of every GoogleTest program here. GoogleTest passes a run whose filter selects no
// test; here such a run fails, so that a CTest entry naming a renamed or removed test cannot
// stay green by running nothing.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  if (!GTEST_FLAG_GET(list_tests) && testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "No test matches the filter \"%s\": a test it named was renamed or removed.\n",
                 GTEST_FLAG_GET(filter).c_str());
    return 1;
  }
  return status;
}
