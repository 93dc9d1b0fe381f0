#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: ctest's emulator for the
# windows preset, and usable by hand:
#   SILTMERE_WINDOWS_QT=<Qt prefix> scripts/lib/windows/wine-run.sh build/windows/siltmere.exe
# It finds the Qt and MinGW runtime DLLs on the Windows search path, passes
# the QT_* variables through to the program (Wine hides them otherwise) and
# gives Qt's offscreen platform a folder of fonts, which it has none of on
# Windows. The prefix is $WINEPREFIX, or one kept in the cache
# (scripts/lib/windows/wine-prefix.sh, which sets the rest of Wine's
# environment). Wine needs an X display even for offscreen runs;
# scripts/windows.sh starts one.
set -euo pipefail

: "${SILTMERE_WINDOWS_QT:?set SILTMERE_WINDOWS_QT to the Qt for Windows prefix (scripts/lib/windows/build-qt.sh prints it)}"
source "$(dirname "$0")/wine-prefix.sh"
wine_default_prefix

mingw_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
mingw_pthread="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
export WINEPATH="$(windows_path "$SILTMERE_WINDOWS_QT/bin");$(windows_path "$(realpath "$mingw_runtime")");$(windows_path "$(realpath "$mingw_pthread")")"

fonts="$WINEPREFIX/siltmere-offscreen-fonts"
if [[ ! -d "$fonts" ]]; then
    mkdir -p "$fonts.new"
    for font in /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/opentype/urw-base35/*.otf; do
        [[ -e "$font" ]] && ln -sf "$font" "$fonts.new/"
    done
    mv "$fonts.new" "$fonts"
fi
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-$(windows_path "$fonts")}"
# QtTest and qDebug write to the Windows debugger unless told otherwise.
export QT_FORCE_STDERR_LOGGING=1

for name in $(compgen -e); do
    if [[ "$name" == QT_* ]]; then
        export "WINE$name=${!name}"
    fi
done

exec wine "$@"
