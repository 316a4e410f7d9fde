#!/usr/bin/env bash
# Signs setup.exe with Authenticode (SHA-256) in place, as the last step of its build.
#   sign-setup.sh SETUP_EXE --pem CERT KEY
#   sign-setup.sh SETUP_EXE --pkcs12 FILE
# The password of the PKCS#12 file (or of an encrypted PEM key) is in TARN_SIGN_PASSWORD.
# The signing time is fixed, so that the same sources and certificate give the same bytes:
# SOURCE_DATE_EPOCH when set, else the moment the certificate became valid. No time stamp is
# asked for: that needs a time-stamping server on the network, and its answer differs each time.
# When signing fails, setup.exe is removed: an unsigned one must not pass for the release.
set -euo pipefail
exe=$1 kind=$2
signed=$exe.signing
trap 'rm -f "$signed"' EXIT
fail() {
  echo "sign-setup: $*; $exe removed" >&2
  rm -f "$exe"
  exit 1
}

case $kind in
  --pem)
    certificate=$(cat "$3") || fail "cannot read the certificate $3"
    [ -n "${4:-}" ] || fail "no key for the certificate $3"
    credentials=(-certs "$3" -key "$4")
    ;;
  --pkcs12)
    [ -n "${TARN_SIGN_PASSWORD+set}" ] || fail "TARN_SIGN_PASSWORD is not set for $3"
    certificate=$(openssl pkcs12 -in "$3" -nokeys -clcerts -passin env:TARN_SIGN_PASSWORD 2>/dev/null) ||
      fail "cannot open $3 with the password in TARN_SIGN_PASSWORD"
    credentials=(-pkcs12 "$3")
    ;;
  *) fail "usage: sign-setup.sh SETUP_EXE --pem CERT KEY | --pkcs12 FILE" ;;
esac
# The password goes through a pipe, never on a command line that others can list (a path,
# not "-": older versions read a file only).
[ -z "${TARN_SIGN_PASSWORD+set}" ] || credentials+=(-readpass /dev/stdin)
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  time=$SOURCE_DATE_EPOCH
else
  valid_from=$(openssl x509 -noout -startdate <<<"$certificate" 2>/dev/null) || fail "no certificate in $3"
  time=$(date -u -d "${valid_from#notBefore=}" +%s)
fi
printf '%s' "${TARN_SIGN_PASSWORD:-}" |
  osslsigncode sign "${credentials[@]}" -h sha256 -time "$time" -in "$exe" -out "$signed" >/dev/null ||
  fail "osslsigncode could not sign it"
chmod --reference="$exe" "$signed"
mv "$signed" "$exe"
