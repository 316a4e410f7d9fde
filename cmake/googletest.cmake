# GoogleTest from the Debian sources, built for whichever tree this is.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
if(TARN_CROSS)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources do not pass our warning flags.
target_compile_options(gtest PRIVATE -w)
# GoogleTest's main, except that a run that selects no test fails.
add_library(tarn_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/test_main.cpp)
target_link_libraries(tarn_test_main PUBLIC gtest)
