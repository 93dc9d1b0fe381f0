#!/usr/bin/env bash
# Checks that signing works: makes a throwaway self-signed code-signing
# certificate (never kept), packs the installer again with it named as
# packaging/windows/sign.sh expects, and has osslsigncode verify the
# signatures of the installer, of siltmere.exe and of the uninstaller that
# it installs (in a fresh Wine prefix). Also checks that the build's own
# installer, made without a certificate, is unsigned.
#   scripts/lib/windows/signing-check.sh [BUILD_DIR]
# Default: build/windows, after cpack has run there.
set -euo pipefail
cd "$(dirname "$0")/../../.."

build="$(realpath "${1:-build/windows}")"
work="$(mktemp -d /tmp/siltmere-signing-check.XXXXXX)"
unset WINEPREFIX
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "signing-check: FAILED: $*" >&2
    exit 1
}

unsigned="$(ls -t "$build"/Siltmere-*-win64.exe | head -n 1)"
if osslsigncode verify -in "$unsigned" >"$work/unsigned.log" 2>&1; then
    fail "$(basename "$unsigned") is signed, though no certificate was named"
fi
grep -q "No signature found" "$work/unsigned.log" || fail "osslsigncode could not read $(basename "$unsigned"): $(cat "$work/unsigned.log")"
echo "signing-check: $(basename "$unsigned") is unsigned, as built without a certificate"

# A key and a certificate for code signing that live as long as this check.
openssl req -x509 -newkey rsa:3072 -nodes -sha256 -days 2 \
    -subj "/CN=Siltmere signing check (throwaway)" \
    -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>"$work/openssl.log" ||
    fail "openssl could not make a certificate: $(cat "$work/openssl.log")"

echo "signing-check: packing the installer signed with a throwaway certificate"
SILTMERE_SIGN_CERT="$work/cert.pem" SILTMERE_SIGN_KEY="$work/key.pem" \
    cpack --config "$build/CPackConfig.cmake" -G NSIS64 -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { tail -n 30 "$work/cpack.log"; fail "cpack could not sign"; }
signed="$(ls "$work"/out/Siltmere-*-win64.exe)"

verify() {
    osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
        fail "the signature of $2 does not verify: $(cat "$work/verify.log")"
    grep -q "Signature verification: ok" "$work/verify.log" || fail "osslsigncode did not accept $2: $(cat "$work/verify.log")"
    grep -q "Siltmere signing check" "$work/verify.log" || fail "$2 is not signed with the throwaway certificate"
    echo "signing-check: $2: signature verified"
}
verify "$signed" "the installer"
verify "$(find "$work/out/_CPack_Packages" -name siltmere.exe | head -n 1)" "siltmere.exe"

# The uninstaller exists only inside the installer: install it.
export WINEPREFIX="$work/prefix"
wineboot --init
wineserver -w
wine "$signed" /S || fail "the signed installer failed"
wineserver -w
uninstaller="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local/Programs/Siltmere/Uninstall.exe"
[[ -f "$uninstaller" ]] || fail "the signed installer installed no uninstaller"
verify "$uninstaller" "the uninstaller"
verify "$(dirname "$uninstaller")/siltmere.exe" "the installed siltmere.exe"
