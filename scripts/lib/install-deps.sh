#!/usr/bin/env bash
# Installs the Debian packages Siltmere needs that this machine lacks.
#   scripts/lib/install-deps.sh [build] [test] [display] [screenshot] [fuzz] [package] [leakcheck] [lint]
#                               [format] [a11y] [release-check] [themes] [windows] [calc] [print]
# "build" (the default) is everything needed to build, run and test the
# program; "test" what the tests read saved reports back with (poppler's
# pdftotext, pdfinfo and pdffonts, and qpdf; without them those tests check
# less); "display" a virtual X display; "screenshot" adds ImageMagick for
# the README pictures; "fuzz" adds clang for the fuzz targets; "package" what
# building the Debian package needs; "leakcheck" a virtual X display and an
# X client library for closing the window from outside; "lint" clang-tidy;
# "a11y" a virtual X display, a private D-Bus session, the AT-SPI bus and its
# Python client, for walking the windows as a screen reader does;
# "release-check" the tools that check the package and its desktop metadata;
# "format" clang-format; "debootstrap" what makes a pristine Debian root;
# "themes" the GTK platform theme and the Adwaita dark theme, a window-class
# reader, a key/mouse driver and ImageMagick, for checking the windows'
# contrast under a dark desktop; "windows" the MinGW-w64 cross compiler,
# Wine, NSIS, what building Qt for Windows from source needs, and for the
# installer wrestool (icoutils) to read resources, osslsigncode to sign and
# verify, and openssl for the throwaway certificate of the signing check;
# wixl to build the Windows Installer package and msitools' msiinfo to read
# its tables;
# "calc" LibreOffice Calc with its X11 front end and its Python bridge, for
# pasting the copied results into a real spreadsheet (the "nogui" Calc has
# no X clipboard to paste from), and pdftoppm to look at the pasted sheet;
# "print" CUPS with cups-pdf, its PDF printer, for printing the report to a
# real print queue, and poppler's tools to read the printed job back.
set -euo pipefail

# The packages of the fonts that stand in for the design's Windows fonts.
fonts="$(sed -e '/^#/d' -e '/^$/d' -e 's/:.*//' "$(dirname "$0")/../../packaging/font-packages.txt" | tr '\n' ' ')"

declare -A groups=(
    [build]="g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools libcups2-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev $fonts"
    [test]="poppler-utils qpdf"
    [display]="xvfb xauth"
    [debootstrap]="debootstrap"
    [screenshot]="xvfb xauth x11-apps imagemagick"
    [fuzz]="clang libclang-rt-14-dev"
    [package]="dpkg-dev file desktop-file-utils"
    [leakcheck]="xvfb xauth python3-xlib"
    [lint]="clang-tidy"
    [a11y]="xvfb xauth dbus at-spi2-core python3-pyatspi"
    [release-check]="lintian appstream appstream-compose desktop-file-utils xvfb xauth"
    [format]="clang-format"
    [themes]="xvfb xauth qt6-gtk-platformtheme gnome-themes-extra x11-utils xdotool imagemagick python3-pil"
    [calc]="xvfb xauth libreoffice-calc python3-uno poppler-utils"
    [print]="cups cups-client printer-driver-cups-pdf poppler-utils"
    [windows]="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 qt6-base-dev-tools qt6-base-dev dpkg-dev cmake ninja-build perl libgtest-dev libgmock-dev wine wine64 nsis xvfb xauth zip $fonts fonts-wine xdotool imagemagick icoutils osslsigncode openssl wixl msitools"
)

wanted=()
for group in "${@:-build}"; do
    if [[ -z "${groups[$group]+set}" ]]; then
        echo "install-deps: unknown group '$group' (known: ${!groups[*]})" >&2
        exit 2
    fi
    read -r -a packages <<<"${groups[$group]}"
    wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null; then
        sudo=(sudo)
    else
        echo "install-deps: run as root or install sudo to install: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
