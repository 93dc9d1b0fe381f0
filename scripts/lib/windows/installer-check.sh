#!/usr/bin/env bash
# Checks the Windows installer as a user meets it, in a fresh Wine prefix that
# holds Windows' own bitmap fonts ("MS Sans Serif" and "Courier", as every
# Windows has them): a silent install into Program Files, the program started
# from its Start-menu shortcut and driven through the three steps and to the
# background window, with screenshots, and a silent uninstall that must leave nothing behind.
#   scripts/lib/windows/installer-check.sh [INSTALLER] [SCREENSHOT_DIR]
# Defaults: the newest build/windows/Siltmere-*-win64.exe; build/windows/installer-check.
set -euo pipefail
cd "$(dirname "$0")/../../.."

if [[ -z "${DISPLAY:-}" ]]; then
    scripts/lib/install-deps.sh windows screenshot
    exec scripts/lib/with-display.sh bash "$0" "$@"
fi

installer="$(realpath "${1:-$(ls -t build/windows/Siltmere-*-win64.exe | head -n 1)}")"
shots="${2:-build/windows/installer-check}"
mkdir -p "$shots"

WINEPREFIX="$(mktemp -d /tmp/siltmere-wine.XXXXXX)"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

fail() {
    echo "installer-check: FAILED: $*" >&2
    exit 1
}

wineboot --init
wineserver -w
cp /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/coure.fon "$WINEPREFIX/drive_c/windows/Fonts/"

echo "installer-check: installing $(basename "$installer") silently"
wine "$installer" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Siltmere"
for file in siltmere.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll imageformats/qjpeg.dll LICENSE.txt licenses/LGPL-3.txt Uninstall.exe; do
    [[ -f "$folder/$file" ]] || fail "the installed folder lacks $file"
done
shortcut="$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname 'Siltmere.lnk' | head -n 1)"
[[ -n "$shortcut" ]] || fail "no Start-menu shortcut"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Siltmere'
[[ "$(wine reg query "$uninstall_key" /v DisplayName 2>/dev/null || true)" == *Siltmere* ]] ||
    fail "no entry in Apps & features"
echo "installer-check: installed; shortcut ${shortcut#"$WINEPREFIX/drive_c/"}"

echo "installer-check: starting Siltmere from its shortcut"
wine start /unix "$shortcut"
window="$(timeout 60 xdotool search --sync --onlyvisible --name '^Siltmere$' | head -n 1)" ||
    fail "the main window did not appear"
sleep 3
import -window "$window" "$shots/main-window-started.png"

# The three steps and the background window, clicked where the buttons are
# (the window's client area is at the window's origin: no window manager
# runs here).
eval "$(xdotool getwindowgeometry --shell "$window")"
click() {
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
    sleep 1
}
click 419 340 # Calculate: Critical Total Loads
click 419 493 # Calculate: Exceedances over 25 Year Period
click 419 646 # Calculate: % increase scenario vs baseline
import -window "$window" "$shots/main-window.png"
click 200 258 # Background
background="$(timeout 30 xdotool search --sync --onlyvisible --name '^Siltmere Background Information$' | head -n 1)" ||
    fail "the background window did not appear"
sleep 2
import -window "$background" "$shots/background-window.png"
xdotool windowclose "$window" 2>/dev/null || true
wineserver -k || true
wineserver -w

echo "installer-check: uninstalling silently"
wine "$folder/Uninstall.exe" /S
wineserver -w
sleep 2 # the uninstaller runs on from a copy of itself
wineserver -w
[[ ! -e "$folder" ]] || fail "the uninstaller left $(find "$folder" | head -n 5 | tr '\n' ' ')"
[[ ! -e "$shortcut" ]] || fail "the uninstaller left the Start-menu shortcut"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then
    fail "the uninstaller left its entry in Apps & features"
fi
echo "installer-check: installed, started from the Start menu, uninstalled without a trace; screenshots in $shots"
