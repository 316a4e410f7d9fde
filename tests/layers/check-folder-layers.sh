#!/usr/bin/env bash
# Checks that the folders of src/ form layers: code of a folder uses only its own folder and
# those below it. Two ways up are looked for: an include of a header from a folder above,
# and, given the build tree, a reference to a symbol that only objects of folders above define.
# Usage: [NM=...-gcc-nm] check-folder-layers.sh SRC_DIR [BUILD_DIR]
# NM is the gcc-nm of the compiler that built BUILD_DIR: the objects hold link-time-optimised
# code, which no other nm lists.
set -euo pipefail
[[ $# -ge 1 && -d $1 ]] || { echo "usage: [NM=...-gcc-nm] $0 SRC_DIR [BUILD_DIR]" >&2; exit 2; }
src=$(realpath "$1")
build=${2:+$(realpath "$2")}
# Bottom to top. A folder missing from the tree is skipped; a folder missing from this list
# fails, so that each new folder is given its place on purpose. Subfolders go with their top.
order="core destination payload registration progman finish wizard"

shopt -s nullglob
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for dir in "$src"/*/; do
  name=$(basename "$dir")
  [[ " $order " == *" $name "* ]] || fail "src/$name has no place in the order of tests/layers/check-folder-layers.sh"
done

# Layer of a path under src/: the rank of its top folder; files right in src/ sit above all.
layers='BEGIN { n = split(order, names, " "); for (i = 1; i <= n; i++) rank[names[i]] = i }
  function top(path) { return sub(/\/.*/, "", path) ? path : "" }
  function layer(path) { return top(path) == "" ? n + 1 : rank[top(path)] }'

# Lines "./core/frame.cpp:5:#include "wizard/start_wizard.h"".
includes=$(cd "$src" && { grep -rnE --include='*.h' --include='*.cpp' --include='*.c' \
  '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' . || true; })
violations=$(awk -v order="$order" "$layers"'
  {
    match($0, /^\.\/[^:]*:[0-9]+/); where = substr($0, 3, RLENGTH - 2)
    header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
    if (top(where) in rank && top(header) in rank && layer(header) > layer(where))
      print where " includes " header ": " top(header) " is above " top(where)
  }' <<<"$includes")

if [[ -n $build ]]; then
  command -v "${NM:-}" >/dev/null || { echo "NM must name the gcc-nm of the compiler that built $build" >&2; exit 2; }
  [[ -d $build/src ]] || { echo "$build is no build tree: it has no src/" >&2; exit 2; }
  # Lines "type<TAB>symbol<TAB>demangled<TAB>source under src/".
  symbols=$(find "$build/src" -path '*/CMakeFiles/*.dir/*' -name '*.obj' | sort | while IFS= read -r obj; do
    # BUILD/src/<dir>/CMakeFiles/<target>.dir/<path>.obj comes from src/<dir>/<path>, where
    # CMake writes each ".." of <path> as "__".
    rel=$(sed -E 's|CMakeFiles/[^/]+\.dir/||; s|\.obj$||; :up; s#(^|/)__/#\1../#; t up' <<<"${obj#"$build/src/"}")
    rel=$(realpath -m --relative-to="$src" "$src/$rel")
    # Objects of sources outside src/, or of sources since moved or removed, are not checked.
    [[ $rel != ../* && -f $src/$rel ]] || continue
    # Unsorted, both listings keep the object's order: line by line, the same symbol.
    paste <("$NM" -p "$obj") <("$NM" -p -C "$obj") | awk -F '\t' -v file="$rel" '
      function type(line) { sub(/^[0-9a-fA-F]* +/, "", line); return substr(line, 1, 1) }
      function name(line) { sub(/^[0-9a-fA-F]* +/, "", line); return substr(line, 3) }
      { types[NR] = type($1); names[NR] = name($1); pretty[names[NR]] = name($2) }
      END {
        for (i = 1; i <= NR; i++) {
          # Without link-time code, a COFF object defines a weak X as the weak external
          # "w X" backed by ".weak.X.<a global of the object>", absolute zero when X is
          # only referenced.
          if (names[i] ~ /^\.weak\./) {
            if (types[i] == "A") continue
            sub(/^\.weak\./, "", names[i]); sub(/\..*/, "", names[i])
          }
          print types[i] "\t" names[i] "\t" (names[i] in pretty ? pretty[names[i]] : names[i]) "\t" file
        }
      }'
  done)
  [[ -n $symbols ]] || fail "no objects of src/ under $build/src: build first"
  # A reference is upward when some object defines its symbol and none of them is in the
  # folder of the reference or below it: inline functions and templates, defined by every
  # folder that uses them, count where their lowest copy is. Symbols defined by no object
  # of src/ come from the system or the C runtime.
  violations+=$'\n'$(awk -F '\t' -v order="$order" "$layers"'
    !(top($4) in rank) && top($4) != "" { next }
    $1 ~ /^[Uwv]$/ { uses[++count] = $2 "\t" $4; next }
    $1 ~ /^[A-Z]$/ {
      if (!($2 in lowest) || layer($4) < lowest[$2]) lowest[$2] = layer($4)
      definers[$2] = definers[$2] (definers[$2] == "" ? "" : ", ") $4
      pretty[$2] = $3; verb[$2] = $1 ~ /[TW]/ ? "calls" : "uses"
    }
    END {
      for (i = 1; i <= count; i++) {
        split(uses[i], use, "\t")
        if (use[1] in lowest && lowest[use[1]] > layer(use[2]))
          print use[2] " " verb[use[1]] " " pretty[use[1]] ", defined in " definers[use[1]]
      }
    }' <<<"$symbols")
fi

while IFS= read -r violation; do
  [[ -z $violation ]] || fail "$violation"
done <<<"$violations"

if [ $failures -eq 0 ]; then echo "1 passed, 0 failed"; else
  echo "0 passed, 1 failed: the $failures faults above in the layers of src/"; exit 1; fi
