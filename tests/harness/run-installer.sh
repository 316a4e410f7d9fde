#!/usr/bin/env bash
# Runs the built Installer (the x86-64 twin, which runs on every host): in a window on
# $DISPLAY when there is one; otherwise walks the wizard on a virtual display and saves a
# PNG of every page. Either way in a fresh prefix that is removed afterwards.
#   run-installer.sh BUILD_DIR
set -euo pipefail
harness=$(cd "$(dirname "$0")" && pwd)
tree=$1/win64
if [ -n "${DISPLAY:-}" ]; then
  TARN_WINE_DISPLAY=$DISPLAY exec "$harness/wine-run.sh" "$tree/src/setup.exe"
fi
pictures=$tree/screenshots/run
rm -rf "$pictures"
# The whole installation, to Finish, with the shell's own DDE server for the program group.
TARN_SETUP_EXE=$tree/src/setup.exe TARN_SCREENSHOT_DIR=$pictures \
  TARN_PROGMAN_HOST=$tree/tests/harness/progman_host.exe \
  "$harness/wine-run.sh" "$tree/tests/e2e/tarn_e2e_scenarios.exe" \
  --gtest_filter='Finish.AnInstallationWithoutTheLibraryVariableOrTheReaderSetupEndsAtFinish' >/dev/null
echo "No display: walked the wizard to Finish on a virtual one. Pictures of every page:"
ls "$pictures"/*.png
