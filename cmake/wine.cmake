# Win32 test programs run under 64-bit Wine, each in a fresh copy of the template prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/harness/wine-run.sh)
