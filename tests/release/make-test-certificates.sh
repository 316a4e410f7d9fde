#!/usr/bin/env bash
# A throwaway certificate authority and a code-signing certificate issued by it, for the
# release tests only: ca.pem, signer.pem and signer.key (PEM), and signer.p12 (PKCS#12 with
# the password "throwaway") in FOLDER.
#   make-test-certificates.sh FOLDER
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"
quiet() { "$@" >/dev/null 2>&1 || { echo "make-test-certificates: $1 $2 failed" >&2; exit 1; }; }
quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 3650 -subj "/CN=TARN test CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign"
quiet openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj "/CN=TARN test signer"
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
quiet openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out signer.pem -days 3650 \
  -extfile signer.ext
quiet openssl pkcs12 -export -in signer.pem -inkey signer.key -out signer.p12 -passout pass:throwaway
rm -f signer.csr signer.ext ca.srl
