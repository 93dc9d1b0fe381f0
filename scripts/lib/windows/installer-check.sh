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

# The helpers the Windows checks share; fresh prefixes in a work folder of
# the check's own.
source scripts/lib/windows/wine-prefix.sh
need_display "$@"
wine_check installer-check
# The build that made the installer makes the previous version's too.
check_package exe "$@"
installer="$package"

# --- Helpers -------------------------------------------------------------

hkcu_key="HKCU\\$uninstall_keys\\Siltmere"
hklm_key="HKLM\\$uninstall_keys\\Siltmere"

# The state of an installation that must not change: its files with their
# contents, its entry and its shortcut.
install_state() {
    local folder="$1" key="$2" shortcut="$3"
    folder_files "$folder"
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
    local key="$1" folder="$2" location
    location="$(drive_path "$folder")"
    expect_entry "$key" "Siltmere $version" "$version" "$location" "\"$location\\Uninstall.exe\"" NoModify NoRepair
    expect_value "$key" DisplayIcon "$location\\siltmere.exe,0"
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
expect 0 "the silent per-user install" run "$installer" /S
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
start_siltmere "$user_shortcut" "the main window did not appear"
sleep 3
import -window "$window" "$shots/main-window-started.png"
three_steps main-window.png

step "uninstalling while Siltmere runs: must fail and change nothing"
install_state "$user_folder" "$hkcu_key" "$user_shortcut" >"$work/running-before.txt"
# In place (_?=), the uninstaller's own exit code reaches the caller, as it
# does for an installer that replaces the installation.
expect nonzero "the uninstaller while Siltmere runs" wine "$user_folder/Uninstall.exe" /S "_?=$(drive_path "$user_folder")"
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
close_siltmere

step "uninstalling silently"
expect 0 "the uninstaller" run "$user_folder/Uninstall.exe" /S
[[ ! -e "$user_folder" ]] || fail "the uninstaller left $(find "$user_folder" | head -n 5 | tr '\n' ' ')"
[[ ! -e "$user_shortcut" ]] || fail "the uninstaller left the Start-menu shortcut"
! has_key "$hkcu_key" || fail "the uninstaller left its entry in Apps & features"
same_as before-per-user "after the per-user uninstall"
step "per user: installed, refused while running, uninstalled without a trace"

# --- 2. For all users ----------------------------------------------------

fresh_prefix all-users
step "2. all-users install: $(basename "$installer") /S /AllUsers"
snapshot before-all-users
expect 0 "the silent all-users install" run "$installer" /S /AllUsers
check_folder "$machine_folder"
[[ -f "$machine_shortcut" ]] || fail "no shortcut in the common Start menu"
[[ ! -e "$user_folder" && ! -e "$user_shortcut" ]] || fail "the all-users install wrote to the user's folders"
has_key "$hklm_key" || fail "no Apps & features entry under HKLM"
! has_key "$hkcu_key" || fail "the all-users install wrote an entry under HKCU"
check_entry "$hklm_key" "$machine_folder"
expect 0 "the uninstaller" run "$machine_folder/Uninstall.exe" /S
same_as before-all-users "after the all-users uninstall"
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
expect 0 "the previous installer" run "$previous" /S
vendor_key='HKLM\Software\The Siltmere developers'
[[ -f "$machine_folder/previous-only.txt" ]] || fail "the previous installer did not make its layout"
expect_value "$hklm_key" DisplayVersion 1.0.0
has_key "$vendor_key\\Siltmere" || fail "the previous installer made no vendor key"
step "previous version in Program Files with its HKLM entry"

start_siltmere "$machine_folder/siltmere.exe" "the previous version did not start"
install_state "$machine_folder" "$hklm_key" "$machine_shortcut" >"$work/upgrade-before.txt"
expect nonzero "the installer over a running Siltmere" wine "$installer" /S
install_state "$machine_folder" "$hklm_key" "$machine_shortcut" >"$work/upgrade-after.txt"
diff -u "$work/upgrade-before.txt" "$work/upgrade-after.txt" ||
    fail "the installer changed the installation while Siltmere runs"
main_window >/dev/null || fail "Siltmere stopped during the refused upgrade"
step "refused while the previous version runs (exit code $status), nothing changed"
close_siltmere

expect 0 "the upgrade" run "$installer" /S
check_folder "$machine_folder"
[[ ! -e "$machine_folder/previous-only.txt" ]] || fail "the upgrade left a file the new version does not ship"
check_entry "$hklm_key" "$machine_folder"
! has_key "$hkcu_key" || fail "the upgrade made a second entry, under HKCU"
[[ ! -e "$user_folder" ]] || fail "the upgrade installed per user besides the previous installation"
! has_key "$vendor_key" || fail "the upgrade left the vendor's key of the previous version"
[[ -f "$machine_shortcut" ]] || fail "no shortcut after the upgrade"
[[ ! -e "$(dirname "$machine_shortcut")/Siltmere" ]] || fail "the previous Start-menu folder is left"
expect_entries 1
step "upgraded in place: one entry, version $version, the old file gone"

# --- 4. A non-ASCII folder given with /D= --------------------------------

fresh_prefix non-ascii
folder_windows='C:\Planungsbüro Ørsted\Siltmere Ω'
folder="$WINEPREFIX/drive_c/Planungsbüro Ørsted/Siltmere Ω"
step "4. non-ASCII folder: $(basename "$installer") /S /D=$folder_windows"
snapshot before-non-ascii
# NSIS takes /D= last and unquoted, spaces and all; wine would quote it,
# cmd passes the command line as written.
expect 0 "the install into $folder_windows" run cmd /c "$(windows_path "$installer") /S /D=$folder_windows"
check_folder "$folder"
check_entry "$hkcu_key" "$folder"
start_siltmere "$folder/siltmere.exe" "Siltmere did not start from $folder_windows"
close_siltmere
expect 0 "the uninstaller" run "$folder/Uninstall.exe" /S
[[ ! -e "$(dirname "$folder")" ]] || fail "the uninstaller left the folder that /D= made: $(find "$(dirname "$folder")" | head -n 5 | tr '\n' ' ')"
same_as before-non-ascii "after uninstalling from $folder_windows"
step "non-ASCII folder: installed, started, removed with the folders it made"

step "all checks passed; screenshots in $shots"
