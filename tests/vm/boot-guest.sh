#!/usr/bin/env bash
# Boots the i386 virtual machine once (qemu-system-i386, software emulation, one CPU) to run a
# job: the folder JOB_DIR becomes the guest's second disk, the guest runs its "run" script as
# root and powers off, and the guest's /job/out lands in OUT_DIR (its log, exit status and
# whatever the job wrote). Exits with the job's status, or 1 saying why the guest failed.
#   boot-guest.sh IMAGE_DIR JOB_DIR OUT_DIR SECONDS [writable]
# IMAGE_DIR holds vmlinuz, initrd.img and root.img; the root disk's changes are thrown away
# unless "writable" is given. SECONDS bounds the whole boot.
set -uo pipefail
image=$1 job=$2 out=$3 limit=$4 mode=${5:-}

scratch=$(mktemp -d /var/tmp/tarn-guest.XXXXXX)
qemu_pid=
clean_up() {
  if [ -n "$qemu_pid" ]; then
    kill "$qemu_pid" 2>/dev/null
    wait "$qemu_pid" 2>/dev/null
  fi
  rm -rf "$scratch"
}
trap clean_up EXIT
trap "exit 130" INT TERM

fail() { echo "boot-guest: $*" >&2; exit 1; }

for file in vmlinuz initrd.img root.img; do
  [ -f "$image/$file" ] || fail "no $image/$file: the image is made by tests/vm/make-image.sh"
done
command -v qemu-system-i386 >/dev/null || fail "qemu-system-i386 is missing (package qemu-system-x86)"

# The job's disk: its files plus room for what the job writes.
mkdir -p "$job/out"
size_mb=$(( $(du -sm "$job" | cut -f1) + 512 ))
mkfs.ext4 -q -F -L job -d "$job" "$scratch/job.img" "${size_mb}M" || fail "cannot make the job's disk"

snapshot=on
[ "$mode" = writable ] && snapshot=off
mkdir -p "$out"
# No network, no display: the console is the serial port, kept in a file.
timeout -s KILL "$limit" qemu-system-i386 -machine pc -accel tcg -cpu core2duo -smp 1 -m 1536 \
  -kernel "$image/vmlinuz" -initrd "$image/initrd.img" -append "console=ttyS0 panic=1 quiet" \
  -drive "file=$image/root.img,format=raw,if=virtio,snapshot=$snapshot" \
  -drive "file=$scratch/job.img,format=raw,if=virtio" \
  -nic none -display none -monitor none -serial "file:$out/console.log" -no-reboot \
  </dev/null >"$scratch/qemu.log" 2>&1 &
qemu_pid=$!
wait "$qemu_pid"
status=$?
qemu_pid=
[ $status -eq 137 ] && fail "the guest did not power off within $limit s (console: $out/console.log)"
[ $status -eq 0 ] || { cat "$scratch/qemu.log" >&2; fail "qemu failed with status $status"; }

debugfs -R "rdump /out $scratch" "$scratch/job.img" >"$scratch/debugfs.log" 2>&1 && [ -d "$scratch/out" ] ||
  fail "cannot copy the job's results out of its disk"
cp -a "$scratch/out/." "$out/"
[ -f "$out/status" ] || fail "the job did not finish (console: $out/console.log)"
exit "$(cat "$out/status")"
