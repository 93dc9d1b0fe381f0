#!/usr/bin/env bash
# Checks the Windows installer as users and IT departments meet it, each case
# in a fresh Wine prefix that holds Windows' own bitmap fonts ("MS Sans
# Serif" and "Courier", as every Windows has them):
#   1. per user, silently and with no switch: the program in
#      %LOCALAPPDATA%\Programs\Siltmere, the HKCU entry, the user's shortcut;
#      started from that shortcut and driven through the three steps, with
#      screenshots; an uninstall while it runs fails and changes nothing, and
#      the program goes on working; a clean uninstall leaves the registry and
#      the file tree as they were before installing;
#   2. for all users (/AllUsers): Program Files, HKLM, the common shortcut,
#      and again a clean uninstall;
#   3. an upgrade over the layout of the installer of 1.1.0 and before
#      (scripts/lib/windows/previous-installer.cmake): refused while the old
#      program runs, then one entry, the new files, none of the old ones;
#   4. a folder with non-ASCII characters given with /D=, started from
#      there, and removed on uninstalling, with the parent folder it made.
# Wine runs everything as an administrator, so that no elevation is asked
# for up front is checked in the installer's manifest, not by a prompt.
# The registry and the file tree are compared as an installation can touch
# them (scripts/lib/windows/wine-prefix.sh says what is left out: what Wine
# and the print system change by themselves).
#   scripts/lib/windows/installer-check.sh [INSTALLER] [SCREENSHOT_DIR]
# Defaults: the newest build/windows/Siltmere-*-win64.exe; build/windows/installer-check.
# SILTMERE_WINDOWS_BUILD names the build folder when it is not build/windows.
set -euo pipefail
cd "$(dirname "$0")/../../.."

if [[ -z "${DISPLAY:-}" ]]; then
    scripts/lib/install-deps.sh windows screenshot
    exec scripts/lib/with-display.sh bash "$0" "$@"
fi

installer="$(realpath "${1:-$(ls -t build/windows/Siltmere-*-win64.exe | head -n 1)}")"
# The build that made it, whose CPack configuration makes the previous
# version's installer too.
build="$(realpath "${SILTMERE_WINDOWS_BUILD:-build/windows}")"
shots="${2:-build/windows/installer-check}"
mkdir -p "$shots"
version="$(basename "$installer" | sed -n 's/^Siltmere-\(.*\)-win64\.exe$/\1/p')"

# Fresh prefixes in a work folder of the check's own, and the helpers the
# Windows checks share.
source scripts/lib/windows/wine-prefix.sh
wine_check_work installer-check
# Wine turns the command line and the file names from the locale's encoding.
export LC_ALL=C.UTF-8

fail() {
    echo "installer-check: FAILED: $*" >&2
    exit 1
}
step() { echo "installer-check: $*"; }

[[ -f "$build/CPackConfig.cmake" ]] || fail "no CPack configuration in $build (set SILTMERE_WINDOWS_BUILD)"

# --- Helpers -------------------------------------------------------------

hkcu_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Siltmere'
hklm_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Siltmere'

# The state of an installation that must not change: its files with their
# contents, its entry and its shortcut.
install_state() {
    local folder="$1" key="$2" shortcut="$3"
    (cd "$folder" && find . -type f -exec md5sum {} + | LC_ALL=C sort)
    wine reg query "$key" 2>/dev/null | tr -d '\r' | LC_ALL=C sort
    ls -l "$shortcut" 2>/dev/null || echo "no shortcut"
}

check_folder() {
    local folder="$1"
    for file in siltmere.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll imageformats/qjpeg.dll LICENSE.txt licenses/LGPL-3.txt Uninstall.exe; do
        [[ -f "$folder/$file" ]] || fail "the installed folder $folder lacks $file"
    done
}

# The Apps & features entry: every value, of the right type, with the size
# of what is in the folder.
check_entry() {
    local key="$1" folder="$2"
    [[ "$(reg_value "$key" DisplayName)" == "Siltmere $version" ]] || fail "$key: DisplayName is '$(reg_value "$key" DisplayName)'"
    [[ "$(reg_value "$key" DisplayVersion)" == "$version" ]] || fail "$key: DisplayVersion is '$(reg_value "$key" DisplayVersion)'"
    [[ "$(reg_value "$key" Publisher)" == "The Siltmere developers" ]] || fail "$key: no Publisher"
    local location
    location="$(drive_c_path "$folder")"
    [[ "$(reg_value "$key" InstallLocation)" == "$location" ]] ||
        fail "$key: InstallLocation is '$(reg_value "$key" InstallLocation)', not '$location'"
    [[ "$(reg_value "$key" DisplayIcon)" == "$location\\siltmere.exe,0" ]] || fail "$key: DisplayIcon is '$(reg_value "$key" DisplayIcon)'"
    [[ "$(reg_value "$key" UninstallString)" == "\"$location\\Uninstall.exe\"" ]] ||
        fail "$key: UninstallString is '$(reg_value "$key" UninstallString)'"
    for name in NoModify NoRepair; do
        [[ "$(reg_type "$key" "$name")" == REG_DWORD && "$(reg_value "$key" "$name")" == 1 ]] ||
            fail "$key: $name is not the number 1 ($(reg_type "$key" "$name") $(reg_value "$key" "$name"))"
    done
    [[ "$(reg_type "$key" EstimatedSize)" == REG_DWORD ]] || fail "$key: EstimatedSize is not a number"
    local estimated kib files
    estimated="$(reg_value "$key" EstimatedSize)"
    kib=$(find "$folder" -type f -printf '%s\n' | awk '{ sum += $1 } END { print int(sum / 1024) }')
    files=$(find "$folder" -type f | wc -l)
    # The installer may round each file's size.
    ((estimated >= kib - files && estimated <= kib + files)) ||
        fail "$key: EstimatedSize is $estimated KiB, the folder holds $kib KiB"
}

# Waits for the uninstaller's copy of itself, which it leaves running in the
# temporary folder (~nsu*.tmp) when started without _?=.
wait_for_uninstaller_copy() {
    local tries=0
    while pgrep -f 'nsu[^ ]*\.tmp' >/dev/null; do
        ((++tries < 120)) || fail "the uninstaller's copy of itself is still running after a minute"
        sleep 0.5
    done
}

# --- The files themselves ------------------------------------------------

step "checking the resources of $(basename "$installer")"
wrestool -l "$installer" | grep -q -- '--type=16' || fail "the installer has no version information"
wrestool -x --raw --type=16 "$installer" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\0' >"$work/installer-version.txt"
for text in "ProductName" "Siltmere" "CompanyName" "The Siltmere developers" "FileDescription" \
    "$version" "LegalCopyright"; do
    grep -qF "$text" "$work/installer-version.txt" || fail "the installer's version information lacks '$text'"
done
wrestool -x --raw --type=24 "$installer" >"$work/installer.manifest"
grep -q 'requestedExecutionLevel level="asInvoker"' "$work/installer.manifest" ||
    fail "the installer's manifest asks for elevation: $(grep -o 'requestedExecutionLevel[^/]*' "$work/installer.manifest")"

# --- 1. Per user, silently, with no switch -------------------------------

fresh_prefix per-user
step "1. per-user install: installing $(basename "$installer") silently, no switch"
snapshot before-per-user
run "$installer" /S || fail "the silent per-user install failed with exit code $?"
check_folder "$user_folder"
[[ ! -e "$machine_folder" ]] || fail "the per-user install wrote to Program Files"
[[ -f "$user_shortcut" ]] || fail "no shortcut in the user's Start menu"
[[ ! -e "$machine_shortcut" ]] || fail "the per-user install made a shortcut for all users"
has_key "$hkcu_key" || fail "no Apps & features entry under HKCU"
! has_key "$hklm_key" || fail "the per-user install wrote an entry under HKLM"
check_entry "$hkcu_key" "$user_folder"
wrestool -x --raw --type=24 "$user_folder/siltmere.exe" >"$work/siltmere.manifest" ||
    fail "siltmere.exe has no manifest"
for text in 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' '>PerMonitorV2<' \
    '<longPathAware' 'level="asInvoker"'; do
    grep -qF "$text" "$work/siltmere.manifest" || fail "the manifest of siltmere.exe lacks $text"
done
wrestool -l "$user_folder/siltmere.exe" | grep -q -- '--type=16' || fail "siltmere.exe has no version information"
step "installed in ${user_folder#"$WINEPREFIX/drive_c/"}, entry in HKCU, $(reg_value "$hkcu_key" EstimatedSize) KiB"

step "starting Siltmere from its shortcut"
wine start /unix "$user_shortcut"
window="$(main_window)" || fail "the main window did not appear"
sleep 3
import -window "$window" "$shots/main-window-started.png"

window_geometry "$window"
three_steps
import -window "$window" "$shots/main-window.png"

step "uninstalling while Siltmere runs: must fail and change nothing"
install_state "$user_folder" "$hkcu_key" "$user_shortcut" >"$work/running-before.txt"
# In place (_?=), the uninstaller's own exit code reaches the caller, as it
# does for an installer that replaces the installation.
status=0
wine "$user_folder/Uninstall.exe" /S "_?=$(drive_c_path "$user_folder")" || status=$?
((status != 0)) || fail "the uninstaller reported success while Siltmere runs"
# As Apps & features starts it: a copy of itself runs on; its exit code is lost.
wine "$user_folder/Uninstall.exe" /S || true
wait_for_uninstaller_copy
compgen -G "$user_dir/Temp/~nsu*.tmp" >/dev/null || compgen -G "$user_dir/AppData/Local/Temp/~nsu*.tmp" >/dev/null ||
    fail "the uninstaller started without _?= made no copy of itself to run"
install_state "$user_folder" "$hkcu_key" "$user_shortcut" >"$work/running-after.txt"
diff -u "$work/running-before.txt" "$work/running-after.txt" ||
    fail "the uninstaller changed the installation while Siltmere runs"
step "refused (exit code $status), installation untouched"

# Still working: it opens its background window.
background="$(background_window)" ||
    fail "the background window did not appear after the refused uninstall"
sleep 2
import -window "$background" "$shots/background-window.png"
xdotool windowclose "$window" 2>/dev/null || true
wineserver -k || true
wineserver -w

step "uninstalling silently"
run "$user_folder/Uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w # also waits for the uninstaller's copy of itself
[[ ! -e "$user_folder" ]] || fail "the uninstaller left $(find "$user_folder" | head -n 5 | tr '\n' ' ')"
[[ ! -e "$user_shortcut" ]] || fail "the uninstaller left the Start-menu shortcut"
! has_key "$hkcu_key" || fail "the uninstaller left its entry in Apps & features"
snapshot after-per-user
same_as before-per-user after-per-user "after the per-user uninstall"
step "per user: installed, refused while running, uninstalled without a trace"

# --- 2. For all users ----------------------------------------------------

fresh_prefix all-users
step "2. all-users install: $(basename "$installer") /S /AllUsers"
snapshot before-all-users
run "$installer" /S /AllUsers || fail "the silent all-users install failed with exit code $?"
check_folder "$machine_folder"
[[ -f "$machine_shortcut" ]] || fail "no shortcut in the common Start menu"
[[ ! -e "$user_folder" && ! -e "$user_shortcut" ]] || fail "the all-users install wrote to the user's folders"
has_key "$hklm_key" || fail "no Apps & features entry under HKLM"
! has_key "$hkcu_key" || fail "the all-users install wrote an entry under HKCU"
check_entry "$hklm_key" "$machine_folder"
run "$machine_folder/Uninstall.exe" /S || fail "the uninstaller failed"
snapshot after-all-users
same_as before-all-users after-all-users "after the all-users uninstall"
step "all users: installed in Program Files with the HKLM entry, uninstalled without a trace"

# --- 3. Upgrade over the previous installer's layout ---------------------

step "3. upgrade: making the installer of 1.1.0's layout"
mkdir -p "$work/previous-extra" "$work/previous"
echo "A file that only the previous version ships." >"$work/previous-extra/previous-only.txt"
SILTMERE_BUILD="$build" SILTMERE_PREVIOUS_OUT="$work/previous" SILTMERE_PREVIOUS_EXTRA="$work/previous-extra" \
    cpack --config scripts/lib/windows/previous-installer.cmake >"$work/previous-cpack.log" ||
    { tail -n 20 "$work/previous-cpack.log"; fail "the previous installer could not be made"; }
previous="$work/previous/Siltmere-1.0.0-win64.exe"
[[ -f "$previous" ]] || fail "cpack made no $previous"

fresh_prefix upgrade
run "$previous" /S || fail "the previous installer failed"
vendor_key='HKLM\Software\The Siltmere developers'
[[ -f "$machine_folder/previous-only.txt" ]] || fail "the previous installer did not make its layout"
[[ "$(reg_value "$hklm_key" DisplayVersion)" == 1.0.0 ]] || fail "the previous installer made no HKLM entry"
has_key "$vendor_key\\Siltmere" || fail "the previous installer made no vendor key"
step "previous version in Program Files with its HKLM entry"

wine start /unix "$machine_folder/siltmere.exe"
window="$(main_window)" || fail "the previous version did not start"
install_state "$machine_folder" "$hklm_key" "$machine_shortcut" >"$work/upgrade-before.txt"
status=0
wine "$installer" /S || status=$?
((status != 0)) || fail "the installer replaced a running Siltmere"
install_state "$machine_folder" "$hklm_key" "$machine_shortcut" >"$work/upgrade-after.txt"
diff -u "$work/upgrade-before.txt" "$work/upgrade-after.txt" ||
    fail "the installer changed the installation while Siltmere runs"
main_window >/dev/null || fail "Siltmere stopped during the refused upgrade"
step "refused while the previous version runs (exit code $status), nothing changed"
xdotool windowclose "$window" 2>/dev/null || true
wineserver -k || true
wineserver -w

run "$installer" /S || fail "the upgrade failed with exit code $?"
check_folder "$machine_folder"
[[ ! -e "$machine_folder/previous-only.txt" ]] || fail "the upgrade left a file the new version does not ship"
check_entry "$hklm_key" "$machine_folder"
! has_key "$hkcu_key" || fail "the upgrade made a second entry, under HKCU"
[[ ! -e "$user_folder" ]] || fail "the upgrade installed per user besides the previous installation"
! has_key "$vendor_key" || fail "the upgrade left the vendor's key of the previous version"
[[ -f "$machine_shortcut" ]] || fail "no shortcut after the upgrade"
[[ ! -e "$(dirname "$machine_shortcut")/Siltmere" ]] || fail "the previous Start-menu folder is left"
entries="$( (wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s
    wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s) 2>/dev/null |
    tr -d '\r' | grep -c 'DisplayName .*Siltmere' || true)"
((entries == 1)) || fail "Apps & features lists Siltmere $entries times"
step "upgraded in place: one entry, version $version, the old file gone"

# --- 4. A non-ASCII folder given with /D= --------------------------------

fresh_prefix non-ascii
folder_windows='C:\Planungsbüro Ørsted\Siltmere Ω'
folder="$WINEPREFIX/drive_c/Planungsbüro Ørsted/Siltmere Ω"
step "4. non-ASCII folder: $(basename "$installer") /S /D=$folder_windows"
snapshot before-non-ascii
# NSIS takes /D= last and unquoted, spaces and all; wine would quote it,
# cmd passes the command line as written.
run cmd /c "$(windows_path "$installer") /S /D=$folder_windows" ||
    fail "the install into $folder_windows failed with exit code $?"
check_folder "$folder"
check_entry "$hkcu_key" "$folder"
wine start /unix "$folder/siltmere.exe"
window="$(main_window)" || fail "Siltmere did not start from $folder_windows"
xdotool windowclose "$window" 2>/dev/null || true
wineserver -k || true
wineserver -w
run "$folder/Uninstall.exe" /S || fail "the uninstaller failed"
[[ ! -e "$(dirname "$folder")" ]] || fail "the uninstaller left the folder that /D= made: $(find "$(dirname "$folder")" | head -n 5 | tr '\n' ' ')"
snapshot after-non-ascii
same_as before-non-ascii after-non-ascii "after uninstalling from $folder_windows"
step "non-ASCII folder: installed, started, removed with the folders it made"

step "all checks passed; screenshots in $shots"
