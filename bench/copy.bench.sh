#!/usr/bin/env bash
# Beside an NSIS installer of the same eleven files: setup.exe's size, and the copy step's work
# time under 64-bit Wine, one run each (setup.exe's twin from Next on the summary page to the
# full bar; NSIS timing its own file section), then where the copy's own work goes. Run by
# bench/run.sh after the build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARN_BUILD_DIR:-$top/build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
windows_path() { local path=$1; echo "Z:${path//\//\\}"; }

# The stand-ins themselves, expanded from the stored forms that setup.exe carries.
mkdir "$scratch/payload"
for stored in "$build"/win64/tools/forge/stored/*; do
  name=$(basename "$stored")
  case $name in
    forged.stamp) ;;
    tarnsyst.trn) cp "$stored" "$scratch/payload/$name" ;;
    *) msexpand <"$stored" >"$scratch/payload/$name" ;;
  esac
done
makensis -V1 -DOUTFILE="$scratch/nsis-payload.exe" -DPAYLOAD="$scratch/payload" "$top/bench/nsis/payload.nsi"

echo "== size beside an NSIS installer of the same eleven files"
shipped=$(stat -c %s "$build/win32/src/setup.exe")
peer=$(stat -c %s "$scratch/nsis-payload.exe")
echo "setup.exe (PE32, shipped): $shipped bytes; NSIS (zlib): $peer bytes;" \
  "ratio NSIS/setup.exe: $(awk -v a="$peer" -v b="$shipped" 'BEGIN { printf "%.2f", a / b }')"

echo "== copy step, one run each, under 64-bit Wine"
cp "$build/win64/src/setup.exe" "$scratch/setup.exe"
ours=$("$top/tests/harness/wine-run.sh" "$build/win64/bench/tarn_copy_time.exe" "$(windows_path "$scratch/setup.exe")" | tr -d '\r')
TARN_WINE_TEMPLATE="$build/win64/wine-template" "$top/tests/harness/wine-run.sh" "$scratch/nsis-payload.exe" /S
theirs=$(tr -d '\r' <"$scratch/copy-ms.txt")
echo "setup.exe: $ours ms (Next to full bar); NSIS: $theirs ms (its file section);" \
  "ratio NSIS/setup.exe: $(awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "%.2f", a / b }')"

echo "== the copy step's work alone, split by step and platform call (the copier in a bench program)"
"$top/tests/harness/wine-run.sh" "$build/win64/bench/tarn_copy_breakdown.exe" "$(windows_path "$scratch/setup.exe")" 9 |
  tr -d '\r' | tee "$scratch/breakdown.txt"
work=$(awk '/^total/ { print $2 }' "$scratch/breakdown.txt")
echo "copy work: $work ms (median of 9); ratio NSIS/copy work: $(awk -v a="$theirs" -v b="$work" 'BEGIN { printf "%.2f", a / b }')"
