#!/usr/bin/env bash
# Makes the i386 virtual machine that runs the shipped setup.exe on hosts whose kernel cannot
# run 32-bit code, and caches it (see image-env.sh); does nothing when it is cached already.
# A Debian i386 root from the mirror that this machine's own apt sources name: debootstrap
# fetches it, but its second stage would run i386 programs, which such a host cannot, so the
# packages are unpacked here and the little their install scripts do that matters is done
# by hand or in one first boot of the guest, which also makes the Wine prefix template.
set -euo pipefail
. "$(dirname "$0")/image-env.sh"
harness=$(cd "$tarn_vm_dir/../harness" && pwd)
# cmake for its ctest, which runs the whole 32-bit tree inside the guest (run-tree.sh).
packages=(linux-image-686 busybox-static wine32 fonts-wine xvfb cmake)

[ -f "$tarn_vm_image/ready" ] && exit 0
mkdir -p "$tarn_vm_cache"
exec 9>"$tarn_vm_cache/lock"
flock 9
[ -f "$tarn_vm_image/ready" ] && exit 0

work=$(mktemp -d /var/tmp/tarn-vm-image.XXXXXX)
trap 'rm -rf "$work"' EXIT
root=$work/root
log=$work/make-image.log
started=$SECONDS
echo "make-image: making the i386 virtual machine in $tarn_vm_image (log: $log while it runs)"

# The mirror of the first bookworm source that apt uses here, in either format.
host_mirror() {
  cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk 'BEGIN { RS = "" }
    /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ && /(^|\n)Suites:[^\n]*[ \t]bookworm([ \t]|\n|$)/ {
      if (match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/)) {
        uri = substr($0, RSTART, RLENGTH); sub(/^\n?URIs:[ \t]*/, "", uri); print uri; exit
      }
    }'
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | awk '$1 == "deb" {
      for (i = 2; i < NF; i++) if ($i ~ /:\/\//) { if ($(i + 1) == "bookworm") print $i; break }
    }'
}
# Either file may be missing.
mirror=$(host_mirror 2>/dev/null | head -n 1 || true)
[ -n "$mirror" ] || { echo "make-image: no bookworm source in this machine's apt sources" >&2; exit 1; }

fetch_root() {
  debootstrap --foreign --arch=i386 --variant=minbase \
    --include="$(IFS=,; echo "${packages[*]}")" bookworm "$root" "$mirror" >>"$log" 2>&1
  local deb
  for deb in "$root"/var/cache/apt/archives/*.deb; do
    dpkg-deb --fsys-tarfile "$deb" | tar -x --keep-directory-symlink -C "$root"
  done
  rm -rf "$root"/var/cache/apt/archives/*.deb "$root/debootstrap"
  # The first stage links /proc to the host's, for a chroot; the guest mounts its own.
  rm -f "$root/proc"
  mkdir -p "$root/proc"
  # What base-passwd's install script would do; the rest waits for the first boot.
  cp "$root/usr/share/base-passwd/passwd.master" "$root/etc/passwd"
  cp "$root/usr/share/base-passwd/group.master" "$root/etc/group"
  # libwine's: Wine takes MinGW's zlib as a builtin DLL once it is marked as one.
  local zlib=$root/usr/i686-w64-mingw32/lib/zlib1.dll
  { head -c 64 "$zlib"; printf 'Wine builtin DLL'; head -c 16 /dev/zero; tail -c +97 "$zlib"; } \
    >"$root/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"
  install -m 0755 "$tarn_vm_dir/guest-init" "$root/sbin/tarn-guest"
}

# The kernel, and an initrd of busybox and the modules that reach the root disk.
make_boot_files() {
  local kernel version initrd=$work/initrd name line module
  kernel=$(ls "$root"/boot/vmlinuz-* | head -n 1)
  version=${kernel##*/vmlinuz-}
  cp "$kernel" "$work/vmlinuz"
  depmod -b "$root" "$version"
  mkdir -p "$initrd"/{bin,dev,proc,sys,newroot,lib/modules}
  cp "$root/bin/busybox" "$initrd/bin/busybox"
  install -m 0755 "$tarn_vm_dir/initrd-init" "$initrd/init"
  : >"$initrd/modules"
  for name in virtio_pci virtio_blk ext4; do modprobe -d "$root" -S "$version" --show-depends "$name"; done |
  while read -r line; do
    module=${line#insmod }
    module=${module%% *}
    [ "${line%% *}" = insmod ] || continue
    grep -qx "$(basename "$module" .xz)" "$initrd/modules" && continue
    case $module in
      *.ko.xz) xz -dc "$module" >"$initrd/lib/modules/$(basename "$module" .xz)" ;;
      *) cp "$module" "$initrd/lib/modules/" ;;
    esac
    basename "$module" .xz >>"$initrd/modules"
  done
  (cd "$initrd" && find . | cpio -o -H newc --quiet | gzip -1) >"$work/initrd.img"
}

# The first boot: what the packages' install scripts would have done that the tests need, and
# the template Wine prefix, so that later boots start Wine at once.
first_boot() {
  local job=$work/job
  mkdir -p "$job"
  cp -a "$harness" "$job/harness"
  cat >"$job/run" <<RUN
set -e
ldconfig
fc-cache -s 2>/dev/null || true
TARN_WINEARCH=win32 ./harness/make-wine-template.sh $tarn_vm_template
RUN
  mkfs.ext4 -q -L root -d "$root" "$work/root.img" 4G
  rm -rf "$root"
  "$tarn_vm_dir/boot-guest.sh" "$work" "$job" "$work/first-boot" 3600 writable >>"$log" 2>&1 || {
    cat "$work/first-boot/log" "$work/first-boot/console.log" >&2 2>/dev/null
    return 1
  }
}

fetch_root || { tail -n 20 "$log" >&2; echo "make-image: debootstrap or unpacking failed" >&2; exit 1; }
echo "make-image: root fetched and unpacked after $((SECONDS - started)) s"
make_boot_files
first_boot || { echo "make-image: the first boot failed" >&2; exit 1; }
echo "make-image: first boot done after $((SECONDS - started)) s"
mkdir -p "$tarn_vm_image"
mv "$work/vmlinuz" "$work/initrd.img" "$work/root.img" "$tarn_vm_image/"
touch "$tarn_vm_image/ready"
# Images of earlier keys are dead weight of 4 GB each (sparse).
find "$tarn_vm_cache" -mindepth 1 -maxdepth 1 -type d ! -name "$tarn_vm_key" -exec rm -rf {} +
echo "make-image: ready after $((SECONDS - started)) s"
