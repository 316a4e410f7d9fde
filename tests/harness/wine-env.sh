# Sourced by the harness scripts: which Wine runs the tests and how. TARN_WINEARCH names the
# tree's architecture: win64 (the twin, the default) or win32 (the shipped build, which needs
# a kernel that runs 32-bit code). Each loader is called directly: the generic wrapper insists
# on a 32-bit Wine, which cannot run on hosts without IA-32 support.
export WINEARCH=${TARN_WINEARCH:-win64}
case $WINEARCH in
  win64) WINE=/usr/lib/wine/wine64 ;;
  win32) WINE=/usr/lib/wine/wine ;;
  *) echo "wine-env: TARN_WINEARCH must be win32 or win64, not '$WINEARCH'" >&2; return 2 ;;
esac
# Picks the 64-bit server when there is one: it serves 32-bit programs too.
WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
# No desktop-menu entries on the host, no Mono or Gecko installers; a test's own load orders
# after them (TARN_WINE_DLL_OVERRIDES). Only here do they count: a program under Wine that
# changes the variable in its own environment does not change the load order of those it starts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d${TARN_WINE_DLL_OVERRIDES:+;$TARN_WINE_DLL_OVERRIDES}"
