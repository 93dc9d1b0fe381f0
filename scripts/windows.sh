#!/usr/bin/env bash
# Builds Siltmere for Windows x86-64 on Debian, runs every test under Wine
# (scripts/lib/windows/ctest.sh), writes the installer, the ZIP and the
# Windows Installer package, checks the installer and the package in fresh
# Wine prefixes (scripts/lib/windows/installer-check.sh and msi-check.sh)
# and that signing works (scripts/lib/windows/signing-check.sh):
#   build/windows/Siltmere-<version>-win64.exe   NSIS installer
#   build/windows/Siltmere-<version>-win64.zip   the same folder, unpacked anywhere
#   build/windows/Siltmere-<version>-win64.msi   Windows Installer package, per machine
# Installs the Debian packages it needs when missing and builds Qt for
# Windows once (scripts/lib/windows/build-qt.sh; about 15 minutes on 2 cores), cached
# outside the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/install-deps.sh windows
SILTMERE_WINDOWS_QT="$(scripts/lib/windows/build-qt.sh | tail -n 1)"
SILTMERE_QT_SOURCE="the source of Debian's qt6-base package, version $(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools), with Debian's security fixes"
export SILTMERE_WINDOWS_QT SILTMERE_QT_SOURCE

# Wine needs an X display even for programs on Qt's offscreen platform.
if [[ -z "${DISPLAY:-}" ]]; then
    exec scripts/lib/with-display.sh bash "$0" "$@"
fi

echo "=== windows build ==="
# The first start of a Wine prefix takes a while; do it before the tests' clocks run.
scripts/lib/windows/wine-run.sh wineboot --init
cmake --preset windows
cmake --build --preset windows --parallel "$(nproc)"
# One persistent Wine server for the whole run, stopped at its end.
scripts/lib/windows/ctest.sh --parallel "$(nproc)"

(cd build/windows && cpack --config CPackConfig.cmake)
# The same folder as a Windows Installer package (packaging/windows/msi.sh).
msi="$(packaging/windows/msi.sh build/windows | tail -n 1)"
ls -l build/windows/Siltmere-*-win64.exe build/windows/Siltmere-*-win64.zip "$msi"

# The installer as users and IT departments meet it: per user, for all users,
# an upgrade, a running program, a clean uninstall, a non-ASCII folder.
scripts/lib/windows/installer-check.sh
# The Windows Installer package as deployment tools use it: silent install,
# upgrade, downgrade refused, repair and removal, another folder, a running
# program, the NSIS installer's installation beside it.
scripts/lib/windows/msi-check.sh "$msi"
# Signing, with a throwaway certificate: the release's own is not here.
scripts/lib/windows/signing-check.sh build/windows
