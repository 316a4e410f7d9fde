#!/usr/bin/env bash
# Builds the three trees: native (host tools, unit tests, fuzzing), win32 (the shipped
# setup.exe) and win64 (its x86-64 twin with the Win32 and end-to-end tests).
#   scripts/build.sh --product DIR [--sign-cert CERT --sign-key KEY | --sign-pkcs12 FILE]
# builds a release instead: the native tree's tools, then build/release/src/setup.exe from the
# product's real files in DIR, signed when a certificate is given (the PKCS#12 password in
# TARN_SIGN_PASSWORD). A failed release build leaves no setup.exe there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARN_BUILD_DIR:-$top/build}
jobs=${TARN_JOBS:-$(nproc)}

product= cert= key= pkcs12=
while [ $# -gt 0 ]; do
  case $1 in
    --product) product=$2 ;;
    --sign-cert) cert=$2 ;;
    --sign-key) key=$2 ;;
    --sign-pkcs12) pkcs12=$2 ;;
    *) echo "usage: $0 [--product DIR [--sign-cert CERT --sign-key KEY | --sign-pkcs12 FILE]]" >&2; exit 2 ;;
  esac
  [ $# -ge 2 ] || { echo "$0: $1 needs a value" >&2; exit 2; }
  shift 2
done
if [ -z "$product" ] && [ -n "$cert$key$pkcs12" ]; then echo "$0: signing is for a release: --product DIR" >&2; exit 2; fi
if [ -n "$cert$key" ] && { [ -z "$cert" ] || [ -z "$key" ] || [ -n "$pkcs12" ]; }; then
  echo "$0: sign with --sign-cert and --sign-key together, or with --sign-pkcs12 alone" >&2
  exit 2
fi
absolute() { [ -z "$1" ] || realpath -e "$1"; }

configure() { # dir, extra cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$top" -B "$dir" -G "Unix Makefiles" "$@" >/dev/null
}

CC=clang-14 CXX=clang++-14 configure "$build/native"
if [ -n "$product" ]; then
  cmake --build "$build/native" -j "$jobs" --target tarn_packer tarn_forge
else
  cmake --build "$build/native" -j "$jobs"
fi
windows_args() { # architecture: the arguments that configure a Windows tree, into `args`
  args=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-$1.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel
    -DTARN_HOST_TOOLS_DIR="$build/native/tools")
}

if [ -n "$product" ]; then
  release=${TARN_RELEASE_DIR:-$build/release}
  rm -f "$release/src/setup.exe"
  # Given every time, so that a run without a certificate signs nothing.
  windows_args i686
  cmake -S "$top" -B "$release" -G "Unix Makefiles" "${args[@]}" \
    -DTARN_PRODUCT_DIR="$(absolute "$product")" -DTARN_SIGN_CERT="$(absolute "$cert")" \
    -DTARN_SIGN_KEY="$(absolute "$key")" -DTARN_SIGN_PKCS12="$(absolute "$pkcs12")" >/dev/null
  cmake --build "$release" -j "$jobs" --target setup
  echo "The release: $release/src/setup.exe"
  exit 0
fi

windows_tree() { # name, architecture, extra cmake arguments...
  local name=$1 arch=$2; shift 2
  windows_args "$arch"
  configure "$build/$name" "${args[@]}" "$@"
  cmake --build "$build/$name" -j "$jobs"
}
windows_tree win32 i686
windows_tree win64 x86_64 -DTARN_SHIPPING_SETUP="$build/win32/src/setup.exe"
