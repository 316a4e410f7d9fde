#!/usr/bin/env bash
# Builds the Installer and runs it: in a window on $DISPLAY when there is one, otherwise it
# walks the wizard on a virtual display and saves a PNG of every page.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
build=${TARN_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
exec "$top/tests/harness/run-installer.sh" "$build"
