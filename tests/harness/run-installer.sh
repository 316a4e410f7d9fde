#!/usr/bin/env bash
# Runs the built Installer: the shipped 32-bit setup.exe under 32-bit Wine where this kernel
# runs 32-bit code, its x86-64 twin elsewhere (saying so). In a window on $DISPLAY when there
# is one; otherwise walks the wizard on a virtual display and saves a PNG of every page.
# Either way in a fresh prefix that is removed afterwards.
#   run-installer.sh BUILD_DIR
set -euo pipefail
harness=$(cd "$(dirname "$0")" && pwd)
case $("$harness/../../scripts/probe-i386.sh") in
  "i386: native"*)
    tree=$1/win32
    export TARN_WINEARCH=win32
    echo "Running the shipped setup.exe ($tree/src/setup.exe) under 32-bit Wine."
    ;;
  *)
    tree=$1/win64
    echo "This machine cannot run 32-bit code: running the x86-64 twin ($tree/src/setup.exe), built" \
      "from the same sources as the shipped setup.exe."
    ;;
esac
if [ -n "${DISPLAY:-}" ]; then
  TARN_WINE_DISPLAY=$DISPLAY exec "$harness/wine-run.sh" "$tree/src/setup.exe"
fi
pictures=$tree/screenshots/run
rm -rf "$pictures"
# The whole installation, to Finish, with the shell's own DDE server for the program group.
TARN_SETUP_EXE=$tree/src/setup.exe TARN_SCREENSHOT_DIR=$pictures TARN_STORED_FORMS=$tree/tools/forge/stored \
  TARN_PROGMAN_HOST=$tree/tests/harness/progman_host.exe \
  "$harness/wine-run.sh" "$tree/tests/e2e/tarn_e2e_scenarios.exe" \
  --gtest_filter='Finish.AnInstallationWithoutTheLibraryVariableOrTheReaderSetupEndsAtFinish' >/dev/null
echo "No display: walked the wizard to Finish on a virtual one. Pictures of every page:"
ls "$pictures"/*.png
