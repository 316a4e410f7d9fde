// What CTest hands a test program through the environment: Unix paths in the build tree,
// seen from Wine through drive Z:.
#ifndef TARN_E2E_TEST_ENVIRONMENT_H
#define TARN_E2E_TEST_ENVIRONMENT_H

#include <string>

// "/a/b" becomes "Z:\a\b"; other paths stay as they are.
std::string WindowsPathOf(const std::string& path);
// The variable's value as a Windows path, or "" when it is not set.
std::string WindowsPathFromEnvironment(const char* variable);

// The program under test, the PROGMAN host, and this scenario's screenshot folder.
constexpr char SETUP_EXECUTABLE_VARIABLE[] = "TARN_SETUP_EXE";
constexpr char PROGMAN_HOST_VARIABLE[] = "TARN_PROGMAN_HOST";
constexpr char SCREENSHOT_FOLDER_VARIABLE[] = "TARN_SCREENSHOT_DIR";

#endif
