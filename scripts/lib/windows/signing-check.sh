#!/usr/bin/env bash
# Checks that signing works: makes a throwaway self-signed code-signing
# certificate (never kept), packs the installer and the Windows Installer
# package again with it named as packaging/windows/sign.sh expects, and has
# osslsigncode verify the signatures of the installer, of siltmere.exe, of
# the uninstaller that the installer installs (in a fresh Wine prefix), of
# the package and of the siltmere.exe it carries; the signed package must
# install too. Also checks that the build's own installer and package, made
# without a certificate, are unsigned.
#   scripts/lib/windows/signing-check.sh [BUILD_DIR]
# Default: build/windows, after cpack and packaging/windows/msi.sh have run there.
set -euo pipefail
cd "$(dirname "$0")/../../.."

build="$(realpath "${1:-build/windows}")"
source scripts/lib/windows/wine-prefix.sh
wine_check signing-check

for unsigned in "$(ls -t "$build"/Siltmere-*-win64.exe | head -n 1)" "$(ls -t "$build"/Siltmere-*-win64.msi | head -n 1)"; do
    if osslsigncode verify -in "$unsigned" >"$work/unsigned.log" 2>&1; then
        fail "$(basename "$unsigned") is signed, though no certificate was named"
    fi
    grep -E "No signature found|MSI file has no signature" "$work/unsigned.log" >/dev/null ||
        fail "osslsigncode could not read $(basename "$unsigned"): $(cat "$work/unsigned.log")"
    step "$(basename "$unsigned") is unsigned, as built without a certificate"
done

# A key and a certificate for code signing that live as long as this check.
openssl req -x509 -newkey rsa:3072 -nodes -sha256 -days 2 \
    -subj "/CN=Siltmere signing check (throwaway)" \
    -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>"$work/openssl.log" ||
    fail "openssl could not make a certificate: $(cat "$work/openssl.log")"

step "packing the installer signed with a throwaway certificate"
SILTMERE_SIGN_CERT="$work/cert.pem" SILTMERE_SIGN_KEY="$work/key.pem" \
    cpack --config "$build/CPackConfig.cmake" -G NSIS64 -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { tail -n 30 "$work/cpack.log"; fail "cpack could not sign"; }
signed="$(ls "$work"/out/Siltmere-*-win64.exe)"

verify() {
    osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
        fail "the signature of $2 does not verify: $(cat "$work/verify.log")"
    grep -q "Signature verification: ok" "$work/verify.log" || fail "osslsigncode did not accept $2: $(cat "$work/verify.log")"
    grep -q "Siltmere signing check" "$work/verify.log" || fail "$2 is not signed with the throwaway certificate"
    step "$2: signature verified"
}
verify "$signed" "the installer"
verify "$(find "$work/out/_CPack_Packages" -name siltmere.exe | head -n 1)" "siltmere.exe"

# The uninstaller exists only inside the installer: install it.
fresh_prefix installer
expect 0 "the signed installer" run "$signed" /S
uninstaller="$user_folder/Uninstall.exe"
[[ -f "$uninstaller" ]] || fail "the signed installer installed no uninstaller"
verify "$uninstaller" "the uninstaller"
verify "$(dirname "$uninstaller")/siltmere.exe" "the installed siltmere.exe"

step "building the Windows Installer package signed with the throwaway certificate"
signed_msi="$(SILTMERE_SIGN_CERT="$work/cert.pem" SILTMERE_SIGN_KEY="$work/key.pem" \
    packaging/windows/msi.sh "$build" "$work/msi" 2>"$work/msi.log" | tail -n 1)" ||
    { tail -n 30 "$work/msi.log"; fail "the package could not be signed"; }
verify "$signed_msi" "the Windows Installer package"
mkdir -p "$work/msi-files"
msiextract -C "$work/msi-files" "$signed_msi" >/dev/null
verify "$work/msi-files/Siltmere/siltmere.exe" "the package's siltmere.exe"
fresh_prefix msi
expect 0 "the install of the signed package" run msiexec /i "$(windows_path "$signed_msi")" /qn
verify "$machine_folder/siltmere.exe" "siltmere.exe installed by the package"
