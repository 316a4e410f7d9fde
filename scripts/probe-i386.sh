#!/usr/bin/env bash
# Says in one line which way the shipped 32-bit setup.exe is run on this host:
#   i386: native ...   the kernel runs 32-bit code, so 32-bit Wine runs it here
#   i386: vm ...       it does not, so an i386 virtual machine runs it
# The second word is for scripts. TARN_I386=native or TARN_I386=vm forces a way (the virtual
# machine stays known to work on hosts that would not need it); TARN_I386=vm-all takes the
# virtual machine for every Win32 and end-to-end test instead of one walk.
# The probe is a static ELF32 that only exits, assembled here, so that it needs no 32-bit
# library on the host.
set -euo pipefail

case ${TARN_I386:-} in
  native | vm | vm-all) echo "i386: $TARN_I386 (forced by TARN_I386=$TARN_I386)"; exit 0 ;;
  '') ;;
  *) echo "probe-i386: TARN_I386 must be native, vm or vm-all, not '$TARN_I386'" >&2; exit 2 ;;
esac

scratch=$(mktemp -d /tmp/tarn-probe.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $42, %%ebx\n int $0x80\n' >"$scratch/probe.s"
as --32 -o "$scratch/probe.o" "$scratch/probe.s"
ld -m elf_i386 -o "$scratch/probe" "$scratch/probe.o"
status=0
"$scratch/probe" 2>/dev/null || status=$?
if [ $status -eq 42 ]; then
  echo "i386: native (this kernel runs 32-bit code: the shipped setup.exe runs under 32-bit Wine)"
else
  echo "i386: vm (this kernel cannot run 32-bit code: the shipped setup.exe runs in an i386 virtual machine)"
fi
