#!/usr/bin/env bash
# Builds everything and runs every test: native unit and fuzz tests, the Win32 and end-to-end
# tests under Wine on the x86-64 twin, and on the shipped 32-bit setup.exe either all of them
# under 32-bit Wine or, where this kernel cannot run 32-bit code, one whole walk in an i386
# virtual machine. The last line says which, and whether it passed.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
build=${TARN_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
status=0
ctest --test-dir "$build/native" --output-on-failure -j "$(nproc)" || status=1
ctest --test-dir "$build/win64" --output-on-failure -j "$(nproc)" || status=1

shipped=passed
way=$("$top/scripts/probe-i386.sh") || way="i386: none (the probe failed)"
case $way in
  "i386: native"*)
    how="every Win32 and end-to-end test under 32-bit Wine"
    ctest --test-dir "$build/win32" --output-on-failure -j "$(nproc)" -E '^vm\.' || shipped=FAILED
    ;;
  "i386: vm"*)
    how="one whole walk in the i386 virtual machine"
    ctest --test-dir "$build/win32" --output-on-failure -R '^vm\.' || shipped=FAILED
    ;;
  *) how="not at all" shipped="FAILED: $way" ;;
esac
[ "$shipped" = passed ] || status=1
echo "$way"
echo "The shipped PE32 setup.exe was tested by $how: $shipped"
exit $status
