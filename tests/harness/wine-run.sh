#!/usr/bin/env bash
# Runs one Windows program under Wine (CTest's emulator for the Windows trees; 32-bit Wine when
# TARN_WINEARCH=win32): in a fresh copy of the template prefix, on a virtual display of its own,
# with Wine's output in files. Exits with the program's exit code; always ends the wineserver
# and the display and removes the copy, however the program ends.
#   wine-run.sh PROGRAM [ARGUMENTS...]
# Options, from the environment:
#   TARN_WINE_VERSION   the Windows version Wine reports to setup.exe (win31, win95, ... win10)
#   TARN_WINE_DRIVES    tmpfs drives to add, as LETTER:SIZE words (e.g. "e:2m f:64k")
#   TARN_WINE_DLL_OVERRIDES  load orders added to WINEDLLOVERRIDES (e.g. "lz32,uxtheme=n,b")
#   TARN_WINE_DPI       the display's resolution (LogPixels), read by a program when it starts
#   TARN_WINE_TEMPLATE  the template prefix (default: wine-template in the program's build tree)
#   TARN_WINE_DISPLAY   an X display to show the program on, instead of a virtual one
#   TARN_WINE_KEEP      when set, the scratch folder (prefix, logs) is kept and its path printed
#   TARN_WAIT_SCALE     stretches every bound on waiting, here and in the driver (a whole number)
set -uo pipefail
harness=$(cd "$(dirname "$0")" && pwd)
. "$harness/wine-env.sh"
program=$(realpath "$1")
shift

# The build tree is the nearest folder above the program that holds a CMake cache.
build_tree_of() {
  local dir
  dir=$(dirname "$1")
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] && echo "$dir"
}

# Polls every 20 ms until the command succeeds; gives up after 20 s (times the scale).
wait_until() {
  local tries=$((1000 * ${TARN_WAIT_SCALE:-1}))
  until "$@"; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.02
  done
}

scratch=$(mktemp -d /tmp/tarn-wine.XXXXXX)
export WINEPREFIX=$scratch/prefix
export HOME=$scratch/home
xvfb_pid=
mounted=()

clean_up() {
  "$WINESERVER" -k 2>/dev/null
  timeout 20 "$WINESERVER" -w 2>/dev/null
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  # Lazily when busy: a mount left behind would outlive the scratch folder.
  for dir in "${mounted[@]}"; do umount "$dir" 2>/dev/null || umount -l "$dir"; done
  if [ -n "${TARN_WINE_KEEP:-}" ]; then
    echo "wine-run: kept $scratch" >&2
  else
    rm -rf "$scratch"
  fi
}
trap clean_up EXIT
trap "exit 130" INT TERM

start_display() {
  if [ -n "${TARN_WINE_DISPLAY:-}" ]; then
    export DISPLAY=$TARN_WINE_DISPLAY
    # A real desktop has a window manager: Wine's own defaults suit it.
    "$WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /f >>"$scratch/wine.log" 2>&1
    return 0
  fi
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  display_ready() { grep -qs '^[0-9]' "$scratch/display" || ! kill -0 "$xvfb_pid" 2>/dev/null; }
  wait_until display_ready && grep -q '^[0-9]' "$scratch/display" || return 1
  export DISPLAY=:$(head -n 1 "$scratch/display")
}

add_drives() {
  local word letter
  for word in ${TARN_WINE_DRIVES:-}; do
    letter=${word%%:*}
    mkdir -p "$scratch/drives/$letter"
    mount -t tmpfs -o "size=${word#*:}" tmpfs "$scratch/drives/$letter" || return 1
    mounted+=("$scratch/drives/$letter")
    ln -sfn "$scratch/drives/$letter" "$WINEPREFIX/dosdevices/$letter:"
  done
}

set_version() {
  [ -n "${TARN_WINE_VERSION:-}" ] || return 0
  "$WINE" reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d "$TARN_WINE_VERSION" /f \
    >>"$scratch/wine.log" 2>&1
}

set_dpi() {
  [ -n "${TARN_WINE_DPI:-}" ] || return 0
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$TARN_WINE_DPI" /f \
    >>"$scratch/wine.log" 2>&1
}

prepare() {
  local template=${TARN_WINE_TEMPLATE:-}
  if [ -z "$template" ]; then
    local tree
    tree=$(build_tree_of "$program") || { echo "wine-run: no build tree above $program" >&2; return 1; }
    template=$tree/wine-template
  fi
  # Before the template: Wine wants the home that it links the prefix's user folders to.
  mkdir -p "$HOME"
  "$harness/make-wine-template.sh" "$template" || { echo "wine-run: cannot make $template" >&2; return 1; }
  cp -a "$template" "$WINEPREFIX" || return 1
  start_display || { echo "wine-run: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; return 1; }
  add_drives || { echo "wine-run: cannot mount the drives '$TARN_WINE_DRIVES'" >&2; return 1; }
  set_version || { echo "wine-run: cannot set version '$TARN_WINE_VERSION'" >&2; return 1; }
  set_dpi || { echo "wine-run: cannot set the resolution '$TARN_WINE_DPI'" >&2; return 1; }
}

prepare || exit 125
# Output goes to files: Wine's own processes would otherwise hold the caller's pipes open.
# In the background, so that a signal to this script ends the run at once.
"$WINE" "$program" "$@" >"$scratch/stdout" 2>"$scratch/stderr" </dev/null &
wait $!
status=$?
cat "$scratch/stdout"
cat "$scratch/stderr" >&2
exit $status
