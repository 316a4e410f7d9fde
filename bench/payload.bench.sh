#!/usr/bin/env bash
# The SZDD codec against libmspack and mscompress, built optimised and without sanitizers in
# a native tree of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TARN_BUILD_DIR:-$top/build}
tree=$build/native-bench
[ -f "$tree/CMakeCache.txt" ] || CC=clang-14 CXX=clang++-14 cmake -S "$top" -B "$tree" -G "Unix Makefiles" \
  -DTARN_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$tree" -j "${TARN_JOBS:-$(nproc)}" --target tarn_payload_bench >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "== SZDD codec: decoder throughput and encoder output size"
"$tree/bench/tarn_payload_bench" "$scratch"
