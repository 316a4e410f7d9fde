#!/usr/bin/env bash
# Checks that the folders under src/ form layers: no two include each other, directly or
# through others. Usage: check-folder-layers.sh SRC_DIR
set -euo pipefail
src=$1
cd "$src"
# One "from to" line for each folder that includes another, then a topological sort.
edges=$(grep -rE --include='*.h' --include='*.cpp' -o '^#include "[a-z_]+/' . |
  sed -E 's|^\./([a-z_]+)/[^:]*:#include "([a-z_]+)/|\1 \2|' | awk '$1 != $2' | sort -u)
echo "$edges"
if ! tsort <<<"$edges" >/dev/null; then
  echo "0 passed, 1 failed: the folders above include each other"
  exit 1
fi
echo "1 passed, 0 failed"
