#!/usr/bin/env bash
# Runs Win32 and end-to-end tests of the 32-bit build tree inside the i386 virtual machine, for
# hosts whose kernel cannot run 32-bit code: the guest's own CTest runs the tree's entries as a
# host would, under 32-bit Wine, with every wait bound and time limit stretched for emulation.
# The tree's programs and the harness stand at the host's paths inside the guest, so the
# entries run unchanged. The pictures land in the tree's screenshots/, the guest's log and
# console in its vm/. SECONDS bounds the whole boot. Fails, saying why, when the tests cannot
# run.
#   run-tree.sh BUILD_TREE SECONDS [CTEST ARGUMENTS...]   (e.g. -R '^e2e[.]walk$' for one entry)
set -uo pipefail
. "$(dirname "$0")/image-env.sh"
tree=$(cd "$1" && pwd)
limit=$2
shift 2
source_dir=$(cd "$tarn_vm_dir/../.." && pwd)
# Emulated, the guest runs programs many times slower than a host does.
scale=10

[ -f "$tarn_vm_image/ready" ] || {
  echo "run-tree: no i386 image in $tarn_vm_image; scripts/install-deps.sh makes it (with TARN_I386=vm-all," \
    "or on a host that cannot run 32-bit code)" >&2
  exit 1
}
[ -f "$tree/CTestTestfile.cmake" ] || { echo "run-tree: $tree is no built tree" >&2; exit 1; }

scratch=$(mktemp -d /var/tmp/tarn-tree.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
job=$scratch/job
mkdir -p "$job/tree" "$job/source/tests"
cp -a "$source_dir/tests/harness" "$job/source/tests/harness"
# The programs, the payload's stored forms and CTest's files, without the objects and the
# host's template prefix (the image has its own).
(cd "$tree" && find . -path ./wine-template -prune -o \( -name '*.exe' -o -name '*.dll' -o -name CTestTestfile.cmake \) \
  -print | cpio -pdm --quiet "$job/tree" && mkdir -p "$job/tree/tools/forge" && cp -a tools/forge/stored "$job/tree/tools/forge/") ||
  { echo "run-tree: cannot copy $tree" >&2; exit 1; }
# Time limits stretched as the waits are.
find "$job/tree" -name CTestTestfile.cmake -exec \
  perl -pi -e 's/ TIMEOUT "(\d+(?:\.\d+)?)"/" TIMEOUT \"" . int($1 * '"$scale"') . "\""/ge' {} +

arguments=$(printf ' %q' "$@")
cat >"$job/run" <<RUN
export TARN_WINEARCH=win32 TARN_WINE_TEMPLATE=$tarn_vm_template TARN_WAIT_SCALE=$scale
# The host's paths, as the entries name them.
mkdir -p "\$(dirname '$source_dir')" && ln -s /job/source '$source_dir'
mkdir -p "\$(dirname '$tree')" && ln -sfn /job/tree '$tree'
mkdir -p /job/out
# Not the release's check: it builds a second release with the host's cross tools.
ctest --test-dir '$tree' --output-on-failure -E '^(vm|release)\\.'$arguments
status=\$?
[ -d /job/tree/screenshots ] && cp -a /job/tree/screenshots /job/out/
exit \$status
RUN

logs=$tree/vm
started=$SECONDS
"$tarn_vm_dir/boot-guest.sh" "$tarn_vm_image" "$job" "$scratch/out" "$limit"
status=$?
echo "run-tree: boot and tests in the i386 virtual machine took $((SECONDS - started)) s"
rm -rf "$logs"
mkdir -p "$logs" "$tree/screenshots"
[ -d "$scratch/out/screenshots" ] && cp -a "$scratch/out/screenshots/." "$tree/screenshots/"
cp "$scratch/out/log" "$scratch/out/console.log" "$logs/" 2>/dev/null
[ -f "$logs/log" ] && cat "$logs/log"
echo "run-tree: pictures in $tree/screenshots, the guest's log and console in $logs"
exit $status
