# Win32 test programs run under Wine of the tree's own width, each in a fresh copy of the
# tree's template prefix.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TARN_WINEARCH win32)
else()
  set(TARN_WINEARCH win64)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR env TARN_WINEARCH=${TARN_WINEARCH} ${CMAKE_SOURCE_DIR}/tests/harness/wine-run.sh)
