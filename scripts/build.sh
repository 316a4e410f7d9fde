#!/usr/bin/env bash
# Builds the three trees: native (host tools, unit tests, fuzzing), win32 (the shipped
# setup.exe) and win64 (its x86-64 twin with the Win32 and end-to-end tests).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARN_BUILD_DIR:-$top/build}
jobs=${TARN_JOBS:-$(nproc)}

configure() { # dir, extra cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$top" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
}

CC=clang-14 CXX=clang++-14 configure "$build/native"
cmake --build "$build/native" -j "$jobs"
windows_tree() { # name, architecture, extra cmake arguments...
  local name=$1 arch=$2; shift 2
  configure "$build/$name" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DTARN_HOST_TOOLS_DIR="$build/native/tools" "$@"
  cmake --build "$build/$name" -j "$jobs"
}
windows_tree win32 i686
windows_tree win64 x86_64 -DTARN_SHIPPING_SETUP="$build/win32/src/setup.exe"
