#!/usr/bin/env bash
# Walks the shipped setup.exe in the i386 virtual machine: this tree's scenario program runs
# the scenarios of FILTER under 32-bit Wine inside the guest, as the end-to-end tests do on a
# host, and the pictures of every page land in SCREENSHOT_DIR, the guest's log and console in
# LOG_DIR. Fails, saying why, when the walk cannot run.
#   walk.sh FILTER SCREENSHOT_DIR LOG_DIR SETUP_EXE SCENARIOS_EXE PROGMAN_HOST_EXE STORED_FORMS
set -uo pipefail
. "$(dirname "$0")/image-env.sh"
filter=$1 pictures=$2 logs=$3 setup=$4 scenarios=$5 progman_host=$6 stored=$7
harness=$(cd "$tarn_vm_dir/../harness" && pwd)

[ -f "$tarn_vm_image/ready" ] || {
  echo "walk: no i386 image in $tarn_vm_image; scripts/install-deps.sh makes it (on a host that" \
    "cannot run 32-bit code, or with TARN_I386=vm)" >&2
  exit 1
}

scratch=$(mktemp -d /var/tmp/tarn-walk.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
job=$scratch/job
mkdir -p "$job"
cp -a "$harness" "$job/harness"
cp -a "$stored" "$job/stored"
cp "$setup" "$job/setup.exe"
cp "$scenarios" "$job/scenarios.exe"
cp "$progman_host" "$job/progman_host.exe"
cat >"$job/run" <<RUN
export TARN_WINEARCH=win32 TARN_WINE_TEMPLATE=$tarn_vm_template
export TARN_SETUP_EXE=/job/setup.exe TARN_PROGMAN_HOST=/job/progman_host.exe TARN_STORED_FORMS=/job/stored
export TARN_SCREENSHOT_DIR=/job/out/screenshots
# Emulated, the guest runs programs many times slower than a host does.
export TARN_WAIT_SCALE=10
./harness/wine-run.sh ./scenarios.exe --gtest_filter='$filter'
RUN

started=$SECONDS
"$tarn_vm_dir/boot-guest.sh" "$tarn_vm_image" "$job" "$scratch/out" 2400
status=$?
echo "walk: boot and walk in the i386 virtual machine took $((SECONDS - started)) s"
rm -rf "$pictures" "$logs"
mkdir -p "$pictures" "$logs"
[ -d "$scratch/out/screenshots" ] && cp -a "$scratch/out/screenshots/." "$pictures/"
cp "$scratch/out/log" "$scratch/out/console.log" "$logs/" 2>/dev/null
[ -f "$logs/log" ] && cat "$logs/log"
echo "walk: pictures in $pictures, the guest's log and console in $logs"
exit $status
