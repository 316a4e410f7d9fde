#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the benchmarks need.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make googletest clang-14 libclang-rt-14-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils xdotool
  mscompress libmspack-dev nsis imagemagick unzip zip file osslsigncode openssl
)

# A mirror caught mid-sync fails one index; apt keeps the old one, so a second try or the
# old index is enough to install from.
refresh_index() {
  apt-get update -qq || { sleep 30; apt-get update -qq; } || echo "apt-get update failed twice; installing from the indexes apt kept" >&2
}

install_missing() { # packages...
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  refresh_index
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
export DEBIAN_FRONTEND=noninteractive
install_missing "${packages[@]}"

# The SZDD tests and benchmarks compress real 32-bit Windows binaries: the i386 DLLs of
# Wine's library package, taken as data (this machine need not run them).
corpus=/var/cache/tarn-corpus
if [ ! -d "$corpus/i386-windows" ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  refresh_index
  unpack=$(mktemp -d)
  (cd "$unpack" && apt-get download -qq libwine:i386 2>/dev/null)
  dpkg-deb -x "$unpack"/libwine_*.deb "$unpack/tree"
  mkdir -p "$corpus"
  mv "$unpack/tree/usr/lib/i386-linux-gnu/wine/i386-windows" "$corpus/i386-windows"
  rm -rf "$unpack"
fi

# The shipped 32-bit setup.exe runs under 32-bit Wine where the kernel runs 32-bit code, and
# in an i386 virtual machine where it does not (made once, then cached).
way=$("$(dirname "$0")/probe-i386.sh")
echo "$way"
case $way in
  "i386: native"*)
    dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386 && refresh_index; }
    install_missing wine32:i386
    ;;
  "i386: vm"*)
    install_missing qemu-system-x86 debootstrap cpio kmod e2fsprogs
    "$(dirname "$0")/../tests/vm/make-image.sh"
    ;;
esac
