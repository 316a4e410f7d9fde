#!/usr/bin/env bash
# Checks the shipped setup.exe as a file: what it is, what it and its uninstaller import, that
# it is reproducible, and small.
# Usage: check-setup-exe.sh SETUP_EXE SOURCE_DIR CHUNK_DIR UNINSTALLER_EXE
# (CHUNK_DIR: the payload chunks that the packer cut for this setup.exe).
set -euo pipefail
exe=$1
source_dir=$2
chunk_dir=$3
uninstaller=$4
# What setup.exe may carry beyond its payload: code, data, imports, dialogs and pictures.
overhead_limit=49152
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

description=$(file -b "$exe")
[[ $description == "PE32 executable (GUI) Intel 80386"* ]] || fail "not a PE32 i386 GUI executable: $description"

headers=$(i686-w64-mingw32-objdump -p "$exe")
imports_of() { grep 'DLL Name:' | awk '{print toupper($3)}' | sort -u | tr '\n' ' '; }
# Exactly the libraries that every Windows from 95 on has and that Windows NT loads only from
# the system directory (known libraries), whatever folder the program runs from.
system_only="ADVAPI32.DLL GDI32.DLL KERNEL32.DLL USER32.DLL "
imports=$(imports_of <<<"$headers")
[ "$imports" = "$system_only" ] || fail "setup.exe imports $imports, not exactly $system_only"
uninstaller_imports=$(i686-w64-mingw32-objdump -p "$uninstaller" | imports_of)
[ "$uninstaller_imports" = "$system_only" ] || fail "uninstal.exe imports $uninstaller_imports, not exactly $system_only"
grep -q 'MajorSubsystemVersion[[:space:]]*4$' <<<"$headers" || fail "subsystem version is not 4.0"
grep -q 'Time/Date[[:space:]]*Thu Jan  1 00:00:00 1970' <<<"$headers" || fail "the PE header carries a time stamp"

# The same sources must give the same bytes: build a second copy from scratch and compare.
second=$(mktemp -d)
trap 'rm -rf "$second"' EXIT
cmake -S "$source_dir" -B "$second" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTARN_HOST_TOOLS_DIR="${TARN_HOST_TOOLS_DIR:-}" >/dev/null
cmake --build "$second" --target setup -j 2 >/dev/null
cmp -s "$exe" "$second/src/setup.exe" || fail "a second build gives different bytes"

size=$(stat -c %s "$exe")
payload=$(cat "$chunk_dir"/chunk*.bin | wc -c)
[ "$payload" -gt 0 ] || fail "no payload chunks in $chunk_dir"
overhead=$((size - payload))
[ $overhead -le $overhead_limit ] || fail "setup.exe carries $overhead bytes beside its payload, more than $overhead_limit"

echo "setup.exe: $size bytes, of which $payload payload and $overhead overhead; imports: $imports"
if [ $failures -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
