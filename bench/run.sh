#!/usr/bin/env bash
# Prints the benchmark figures side by side, as ratios. Builds what it needs first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARN_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== setup.exe size"
shipped=$(stat -c %s "$build/win32/src/setup.exe")
twin=$(stat -c %s "$build/win64/src/setup.exe")
makensis -V1 -DOUTFILE="$scratch/nsis-first-page.exe" "$top/bench/nsis/first-page.nsi"
peer=$(stat -c %s "$scratch/nsis-first-page.exe")
echo "setup.exe (PE32, shipped): $shipped bytes; x86-64 twin: $twin bytes"
echo "NSIS installer with one welcome page and no payload: $peer bytes"

echo "== start to first page, one run each, under 64-bit Wine"
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }
first_page() { "$top/tests/harness/wine-run.sh" "$build/win64/bench/tarn_first_page_time.exe" "$(windows_path "$1")" | tr -d '\r'; }
cp "$build/win64/src/setup.exe" "$scratch/setup.exe"
ours=$(first_page "$scratch/setup.exe")
theirs=$(first_page "$scratch/nsis-first-page.exe")
echo "setup.exe: $ours ms; NSIS: $theirs ms; ratio NSIS/setup.exe: $(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.2f", a / b }')"

echo "== a whole installation, one run each, under 64-bit Wine"
read -r unattended wizard < <("$top/tests/harness/wine-run.sh" "$build/win64/bench/tarn_install_time.exe" \
  "$(windows_path "$scratch/setup.exe")" | tr -d '\r')
echo "setup.exe /S: $unattended ms; the wizard, Next clicked as soon as it can be: $wizard ms;" \
  "ratio wizard to /S: $(awk -v a="$wizard" -v b="$unattended" 'BEGIN { printf "%.2f", a / b }')"

echo "== a reinstallation at its fullest, under 64-bit Wine on a drive of its own"
read -r installed peak readings < <(TARN_WINE_DRIVES="e:16m" "$top/tests/harness/wine-run.sh" \
  "$build/win64/bench/tarn_reinstall_disk.exe" "$(windows_path "$scratch/setup.exe")" | tr -d '\r')
echo "the installation: $installed bytes; a reinstallation over it takes at most $peak bytes more" \
  "($readings readings of the free space)"

for more in "$top"/bench/*.bench.sh; do
  [ -e "$more" ] && TARN_BUILD_DIR=$build bash "$more"
done
exit 0
