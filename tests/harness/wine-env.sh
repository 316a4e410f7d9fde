# Sourced by the harness scripts: which Wine runs the tests and how.
# 64-bit Wine is called directly: the generic wrapper insists on a 32-bit Wine, which cannot
# run on hosts without IA-32 support.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No desktop-menu entries on the host, no Mono or Gecko installers.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
