#!/usr/bin/env bash
# Makes the template Wine prefix that every test copies: once, and again only when Wine or
# this script changes. Safe to call from parallel tests (they wait on a lock).
#   make-wine-template.sh TEMPLATE_DIR
set -euo pipefail
harness=$(cd "$(dirname "$0")" && pwd)
. "$harness/wine-env.sh"
template=$1
stamp=$template.stamp
wanted="$("$WINE" --version) $(cat "$harness/wine-env.sh" "$0" | sha1sum | cut -c1-40)"

mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ] && exit 0

rm -rf "$template" "$stamp"
export WINEPREFIX=$template
unset DISPLAY # the template needs no display
log=$template.log
"$WINE" wineboot -i >"$log" 2>&1

# Quiet, deterministic runs: a crash ends the program instead of opening a dialog. No window
# manager runs on the test display: Wine draws the captions itself and does not wait for a
# manager (two seconds each time a window is hidden).
settings=$template/drive_c/test-settings.reg
cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashNotification"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"
REG
"$WINE" regedit /S 'C:\test-settings.reg' >>"$log" 2>&1
rm "$settings"
"$WINESERVER" -w

# This Wine build looks for its own fonts (Marlett, Tahoma, MS Sans Serif) in a folder that
# does not exist: without them captions miss their glyphs and dialogs use other faces.
cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/"

# The user's folders link to the host's home; tests must not write there.
for link in "$template"/drive_c/users/*/* "$template"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/*; do
  if [ -L "$link" ]; then rm "$link"; mkdir "$link"; fi
done
echo "$wanted" >"$stamp"
