#!/usr/bin/env bash
# Builds everything and runs every test: native unit and fuzz tests, then the Win32 and
# end-to-end tests under Wine.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
build=${TARN_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
status=0
ctest --test-dir "$build/native" --output-on-failure -j "$(nproc)" || status=1
ctest --test-dir "$build/win64" --output-on-failure -j "$(nproc)" || status=1
exit $status
