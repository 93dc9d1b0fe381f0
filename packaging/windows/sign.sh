#!/usr/bin/env bash
# Signs a Windows program (siltmere.exe, the uninstaller, the installer) in
# place with Authenticode, by osslsigncode, when a certificate is named:
#   SILTMERE_SIGN_CERT            the certificate (PEM or DER), with its chain
#   SILTMERE_SIGN_KEY             its private key (PEM or DER)
#   SILTMERE_SIGN_PASSWORD_FILE   optional: a file holding the key's password
#   SILTMERE_SIGN_TIMESTAMP_URL   optional: an RFC 3161 time-stamping server,
#                                 so the signature outlives the certificate
#   packaging/windows/sign.sh FILE
# cmake/Install.cmake and packaging/windows/CPackProjectConfig.cmake call it
# only when the first two are set; unsigned builds are the default.
set -euo pipefail

file="$1"
: "${SILTMERE_SIGN_CERT:?set SILTMERE_SIGN_CERT to the signing certificate}"
: "${SILTMERE_SIGN_KEY:?set SILTMERE_SIGN_KEY to the private key of the certificate}"

args=(sign -certs "$SILTMERE_SIGN_CERT" -key "$SILTMERE_SIGN_KEY" -h sha256 -n Siltmere)
if [[ -n "${SILTMERE_SIGN_PASSWORD_FILE:-}" ]]; then
    args+=(-readpass "$SILTMERE_SIGN_PASSWORD_FILE")
fi
if [[ -n "${SILTMERE_SIGN_TIMESTAMP_URL:-}" ]]; then
    args+=(-ts "$SILTMERE_SIGN_TIMESTAMP_URL")
fi
# osslsigncode writes a new file; the signed one replaces the original only
# when signing worked.
osslsigncode "${args[@]}" -in "$file" -out "$file.signed" >&2
mv -f "$file.signed" "$file"
echo "sign: signed $file" >&2
