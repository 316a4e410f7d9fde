#!/usr/bin/env bash
# Builds everything and runs every test: native unit and fuzz tests, the Win32 and end-to-end
# tests under Wine on the x86-64 twin, and on the shipped 32-bit setup.exe either all of them
# under 32-bit Wine or, where this kernel cannot run 32-bit code, one whole walk in an i386
# virtual machine (TARN_I386=vm-all: all of them there). It ends with a line a tier (tests
# run, passed, failed), then the line that says how the shipped setup.exe was tested.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
build=${TARN_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
status=0
summary=()
logs=$(mktemp -d /tmp/tarn-test.XXXXXX)
trap 'rm -rf "$logs"' EXIT

# tier NAME COMMAND...: runs one tree's tests and keeps a line that counts them, from the
# last count that CTest printed.
tier() {
  local name=$1 log="$logs/tier.log" result=0 failed run
  shift
  "$@" 2>&1 | tee "$log" || result=1
  read -r failed run < <(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -n 1)
  if [ -z "${run:-}" ]; then
    summary+=("$name: no test ran")
    result=1
  else
    summary+=("$name: $run run, $((run - failed)) passed, $failed failed")
  fi
  [ $result -eq 0 ] || status=1
  return $result
}
# Every test has a TIMEOUT of its own; CTest's limit here covers one that somehow has none.
run_tree() { ctest --output-on-failure --timeout 600 --test-dir "$@"; }

tier native run_tree "$build/native" -j "$(nproc)" || true
tier "win64 (the x86-64 twin)" run_tree "$build/win64" -j "$(nproc)" || true

shipped=passed
way=$("$top/scripts/probe-i386.sh") || way="i386: none (the probe failed)"
case $way in
  "i386: native"*)
    how="every Win32 and end-to-end test under 32-bit Wine"
    tier "win32 (the shipped setup.exe)" run_tree "$build/win32" -j "$(nproc)" -E '^vm\.' || shipped=FAILED
    ;;
  "i386: vm-all"*)
    how="every Win32 and end-to-end test under 32-bit Wine in the i386 virtual machine"
    # Every entry one after the other on one emulated CPU: hours for the whole tree.
    tier "win32 (the shipped setup.exe, in the virtual machine)" "$top/tests/vm/run-tree.sh" "$build/win32" 21600 ||
      shipped=FAILED
    ;;
  "i386: vm"*)
    how="one whole walk in the i386 virtual machine"
    tier "win32 (one walk in the virtual machine)" run_tree "$build/win32" -R '^vm\.walk$' || shipped=FAILED
    ;;
  *) how="not at all" shipped="FAILED: $way" ;;
esac
[ "$shipped" = passed ] || status=1
echo
echo "$way"
printf '%s\n' "${summary[@]}"
echo "The shipped PE32 setup.exe was tested by $how: $shipped"
exit $status
