#!/usr/bin/env bash
# A release's setup.exe: its Authenticode signature verifies against the authority that issued
# the certificate; a second build of the same folder with the same certificate, from scratch,
# gives the same bytes; and without a certificate nothing is signed.
#   check-release.sh SETUP_EXE CA_PEM SOURCE_DIR CMAKE_ARGUMENTS...
set -euo pipefail
exe=$1 ca=$2 source_dir=$3
shift 3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

verified=$(osslsigncode verify -CAfile "$ca" -in "$exe" 2>&1) || fail "osslsigncode verify refuses it: $verified"
grep -E 'Message digest algorithm *: SHA256|Signature verification: ok|^Succeeded' <<<"$verified"

second=$(mktemp -d)
trap 'rm -rf "$second"' EXIT
cmake -S "$source_dir" -B "$second" "$@" >/dev/null
cmake --build "$second" --target setup -j 2 >/dev/null || fail "the second build failed"
cmp -s "$exe" "$second/src/setup.exe" || fail "a second build of the same folder gives different bytes"

rm -f "$second/src/setup.exe"
cmake -S "$source_dir" -B "$second" "$@" -DTARN_SIGN_CERT= -DTARN_SIGN_KEY= -DTARN_SIGN_PKCS12= >/dev/null
cmake --build "$second" --target setup -j 2 >/dev/null || fail "the build without a certificate failed"
unsigned=$(osslsigncode verify -in "$second/src/setup.exe" 2>&1) && fail "signed without a certificate"
grep -q 'No signature found' <<<"$unsigned" || fail "a build without a certificate: $unsigned"

if [ $failures -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
