#!/usr/bin/env bash
# Checks Siltmere's Windows Installer package as an IT department would,
# under Wine's own Windows Installer (msiexec), each case in a fresh Wine
# prefix (scripts/lib/windows/wine-prefix.sh):
#   0. the package's tables (msiinfo): the properties a deployment tool
#      reads, the upgrade and downgrade rows, a new ProductCode for each
#      build and a component GUID for each file that stays the same;
#   1. a silent install (/qn, with a log): Program Files, the shortcut, the
#      "Apps & features" entry with its icon, the remembered folder; the
#      program started from its shortcut and driven through the three steps,
#      with screenshots; removed with msiexec /x {ProductCode}, leaving the
#      registry and the file tree as they were;
#   2. a major upgrade from a package of a lower version (built here from
#      the same source, with one file more), installed while that version
#      runs: the running program goes on working, and after the restart that
#      Windows Installer asks for the folder is the new version's, with one
#      entry; then a downgrade and another build of the same version, both
#      refused with nothing changed (the message shown at the basic UI
#      level, as a screenshot); removed with msiexec /x <package>;
#   3. INSTALLDIR=D:\Tools\Siltmere: installed there, repaired there,
#      upgraded there, started from there and removed from there (D:\Tools,
#      which installing made, stays, empty);
#   4. the NSIS installer's installation beside it: the package refuses to
#      install over one, for all users or for this user, and the NSIS
#      installer refuses to install over the package's.
#   scripts/lib/windows/msi-check.sh [PACKAGE] [SCREENSHOT_DIR]
# Defaults: the newest build/windows/Siltmere-*-win64.msi; build/windows/msi-check.
# SILTMERE_WINDOWS_BUILD names the build folder when it is not build/windows
# (the lower version's package is made from it); the NSIS installer is the
# one of the same version beside the package.
set -euo pipefail
cd "$(dirname "$0")/../../.."

source scripts/lib/windows/wine-prefix.sh
need_display "$@"
wine_check msi-check
check_package msi "$@"
msi="$package"
installer="$(dirname "$msi")/Siltmere-$version-win64.exe"
[[ -f "$installer" ]] || fail "no NSIS installer $installer beside the package"
older_version=1.0.0

# --- Helpers -------------------------------------------------------------

# property PACKAGE NAME: a value of the package's Property table;
# expect_property PACKAGE NAME VALUE: it must be VALUE.
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
expect_property() {
    local value
    value="$(property "$1" "$2")"
    [[ "$value" == "$3" ]] || fail "$(basename "$1"): $2 is '$value', not '$3'"
}
# table PACKAGE TABLE: its rows, without the three header lines.
table() { msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4; }

uninstall_key() { printf 'HKLM\\%s\\%s' "$uninstall_keys" "$1"; }
remembered_key='HKLM\Software\Siltmere'

# Windows Installer's packed form of a GUID, as its registry keys name it.
packed_guid() {
    local g="${1//[\{\}-]/}"
    printf '%s%s%s%s\n' "$(rev <<<"${g:0:8}")" "$(rev <<<"${g:8:4}")" "$(rev <<<"${g:12:4}")" \
        "$(sed 's/\(.\)\(.\)/\2\1/g' <<<"${g:16}")"
}

# The files of a package, as msiextract unpacks them, with their contents.
package_files() {
    rm -rf "$work/extracted"
    mkdir -p "$work/extracted"
    msiextract -C "$work/extracted" "$1" >/dev/null
    folder_files "$work/extracted/Siltmere"
}

# check_installed PACKAGE FOLDER: the folder holds exactly the package's
# files, and its entry in "Apps & features" says so.
check_installed() {
    local package="$1" folder="$2" code location
    code="$(property "$package" ProductCode)"
    package_files "$package" >"$work/package.files"
    folder_files "$folder" >"$work/folder.files"
    diff -u "$work/package.files" "$work/folder.files" >"$work/diff.folder" ||
        fail "$folder does not hold exactly the files of $(basename "$package"): $(head -n 20 "$work/diff.folder")"
    location="$(drive_path "$folder")\\"
    expect_entry "$(uninstall_key "$code")" Siltmere "$(property "$package" ProductVersion)" "$location" \
        "MsiExec.exe /X$code" NoModify WindowsInstaller
    # The entry's icon: Windows Installer keeps ARPPRODUCTICON's icon with the
    # product's registration.
    expect_value "HKLM\\Software\\Classes\\Installer\\Products\\$(packed_guid "$code")" ProductIcon \
        "C:\\windows\\Installer\\$code\\siltmere.ico"
    cmp -s "$WINEPREFIX/drive_c/windows/Installer/$code/siltmere.ico" assets/siltmere.ico ||
        fail "the product's icon is not Siltmere's"
    expect_value "$remembered_key" InstallDir "$location"
    expect_entries 1
}

# The Start-menu shortcut: in the common Start menu, where Windows puts it
# for a per-machine package (ProgramMenuFolder with ALLUSERS=1); Wine 8
# puts it in the user's. It starts siltmere.exe in the folder, with the
# package's icon.
find_shortcut() {
    local folder="$1"
    if [[ -f "$machine_shortcut" ]]; then
        shortcut="$machine_shortcut"
    elif [[ -f "$user_shortcut" ]]; then
        shortcut="$user_shortcut"
        step "the shortcut is in the user's Start menu: Wine's ProgramMenuFolder is the user's even for a per-machine package"
    else
        fail "no Start-menu shortcut Siltmere"
    fi
    { strings -a "$shortcut"; strings -a -el "$shortcut"; } >"$work/shortcut.txt"
    grep -iF "$(drive_path "$folder")\\siltmere.exe" "$work/shortcut.txt" >/dev/null ||
        fail "the shortcut does not start siltmere.exe in $(drive_path "$folder"): $(cat "$work/shortcut.txt")"
    grep -iF 'siltmere.ico' "$work/shortcut.txt" >/dev/null || fail "the shortcut has not the package's icon"
}

# Nothing of Siltmere's is left: folder, shortcut, remembered folder, entry.
check_removed() {
    local folder="$1"
    [[ ! -e "$folder" ]] || fail "the removal left $(find "$folder" | head -n 5 | tr '\n' ' ')"
    [[ ! -e "$machine_shortcut" && ! -e "$user_shortcut" ]] || fail "the removal left the shortcut"
    ! has_key "$remembered_key" || fail "the removal left $remembered_key"
    expect_entries 0
}

# refused_with_message WHAT SCREENSHOT PACKAGE [PROPERTIES...]: the package
# at the basic UI level (/qb), as an administrator starting it by hand sees
# it: Windows Installer's message box, kept as a screenshot and closed; the
# exit code must be 1603.
refused_with_message() {
    local what="$1" shot="$2" package="$3" status=0 box
    shift 3
    wine msiexec /i "$(windows_path "$package")" /qb "$@" &
    local pid=$!
    box="$(timeout 60 xdotool search --sync --onlyvisible --name '^Install Failed$' | head -n 1)" ||
        fail "$what: no message"
    sleep 1
    import -window "$box" "$shots/$shot"
    xdotool key --window "$box" Return
    wait "$pid" || status=$?
    ((status == 67)) || fail "$what at the basic UI level: exit code $status, not 1603 (67)"
    wineserver -w
}

# --- 0. The package's tables ---------------------------------------------

step "0. the tables of $(basename "$msi")"
code="$(property "$msi" ProductCode)"
upgrade_code="{D75D168D-4A72-48C8-8C1D-CB3E4D6F0F03}"
[[ "$code" =~ ^\{[0-9A-F-]{36}\}$ ]] || fail "no ProductCode: '$code'"
expect_property "$msi" UpgradeCode "$upgrade_code"
expect_property "$msi" ProductVersion "$version"
expect_property "$msi" ProductName Siltmere
expect_property "$msi" Manufacturer "The Siltmere developers"
expect_property "$msi" ALLUSERS 1
expect_property "$msi" ARPPRODUCTICON siltmere.ico
msiinfo suminfo "$msi" | grep '^Template: x64;1033' >/dev/null || fail "the package is not a 64-bit one: $(msiinfo suminfo "$msi" | grep Template)"
# The upgrade row: every lower version, removed; the downgrade row: this
# version and every newer one, detected only (the launch condition refuses).
table "$msi" Upgrade >"$work/upgrade.rows"
grep -qxF "$upgrade_code	0.0.0	$version		256		WIX_UPGRADE_DETECTED" "$work/upgrade.rows" ||
    fail "no upgrade row in the Upgrade table: $(cat "$work/upgrade.rows")"
grep -qxF "$upgrade_code	$version			258		WIX_DOWNGRADE_DETECTED" "$work/upgrade.rows" ||
    fail "no downgrade row in the Upgrade table: $(cat "$work/upgrade.rows")"
table "$msi" LaunchCondition | grep '^NOT WIX_DOWNGRADE_DETECTED	Siltmere .* or a newer version is already installed' >/dev/null ||
    fail "no launch condition refusing a downgrade"
table "$msi" InstallExecuteSequence | grep '^RemoveExistingProducts	' >/dev/null || fail "RemoveExistingProducts is not scheduled"

step "making a package of version $older_version with one file more, from the same source"
mkdir -p "$work/older-extra"
echo "A file that only version $older_version ships." >"$work/older-extra/previous-only.txt"
older="$(SILTMERE_MSI_VERSION=$older_version SILTMERE_MSI_EXTRA="$work/older-extra" \
    packaging/windows/msi.sh "$build" "$work/older" 2>"$work/older.log" | tail -n 1)" ||
    { cat "$work/older.log"; fail "the package of version $older_version could not be made"; }
older_code="$(property "$older" ProductCode)"
expect_property "$older" UpgradeCode "$upgrade_code"
[[ "$older_code" != "$code" ]] || fail "two builds have the same ProductCode"
# Each file's component GUID comes from its path: the same in both builds.
table "$msi" Component | awk -F'\t' '$1 ~ /^cmp/ { print $1 "\t" $2 }' | LC_ALL=C sort >"$work/components.new"
table "$older" Component | awk -F'\t' '$1 ~ /^cmp/ { print $1 "\t" $2 }' | LC_ALL=C sort >"$work/components.older"
[[ -s "$work/components.new" ]] || fail "the package has no file components"
LC_ALL=C comm -23 "$work/components.new" "$work/components.older" >"$work/components.moved"
[[ ! -s "$work/components.moved" ]] || fail "component GUIDs differ between two builds: $(head -n 5 "$work/components.moved")"
(($(table "$msi" File | wc -l) == $(wc -l <"$work/components.new"))) || fail "not one component a file"
step "ProductCode $code, UpgradeCode $upgrade_code, $(wc -l <"$work/components.new") files, each with its own stable component GUID"

# --- 1. A silent install, and removal by ProductCode ---------------------

fresh_prefix install
step "1. msiexec /i $(basename "$msi") /qn /l*v"
snapshot before-install
expect 0 "the silent install" run msiexec /i "$(windows_path "$msi")" /qn /l*v "$(windows_path "$work/install.log")"
tr -d '\0' <"$work/install.log" >"$work/install.txt"
grep -aq 'InstallFiles' "$work/install.txt" && grep -aq 'siltmere.exe' "$work/install.txt" ||
    fail "the log does not name the files installed"
check_installed "$msi" "$machine_folder"
find_shortcut "$machine_folder"
step "installed in Program Files, one entry with its icon, $(reg_value "$(uninstall_key "$code")" EstimatedSize) KiB as Wine counts it"

step "starting Siltmere from its shortcut"
start_siltmere "$shortcut" "the main window did not appear"
sleep 3
three_steps main-window.png
background="$(background_window)" || fail "the background window did not appear"
import -window "$background" "$shots/background-window.png"
close_siltmere

step "msiexec /x {ProductCode} /qn"
expect 0 "the removal by ProductCode" run msiexec /x "$code" /qn
check_removed "$machine_folder"
same_as before-install "after msiexec /x $code"
step "removed without a trace"

# --- 2. Upgrade while the older version runs; downgrade; removal ---------

fresh_prefix upgrade
step "2. upgrade: installing version $older_version"
snapshot before-upgrade
expect 0 "the install of version $older_version" run msiexec /i "$(windows_path "$older")" /qn
check_installed "$older" "$machine_folder"
[[ -f "$machine_folder/previous-only.txt" ]] || fail "version $older_version lacks its own file"

start_siltmere "$machine_folder/siltmere.exe" "version $older_version did not start"
step "installing $(basename "$msi") while version $older_version runs"
expect "0 194" "the upgrade while Siltmere runs" wine msiexec /i "$(windows_path "$msi")" /qn
main_window >/dev/null || fail "Siltmere stopped during the upgrade"
three_steps upgraded-while-running.png
background_window >/dev/null || fail "the running Siltmere stopped working during the upgrade"
session_manager='HKLM\System\CurrentControlSet\Control\Session Manager'
if ((status == 194)); then
    [[ -n "$(reg_type "$session_manager" PendingFileRenameOperations)" ]] ||
        fail "exit code 3010, but nothing is to be replaced at the restart"
    ls "$machine_folder" | grep '^msi.*\.tmp$' >/dev/null || fail "exit code 3010, but no new file waits in the folder"
fi
close_siltmere
if ((status == 194)); then
    step "exit code 3010: the files in use are replaced at the next restart; the program ran on; restarting (wineboot -r)"
    wineboot -r
    wineserver -w
    [[ -z "$(reg_type "$session_manager" PendingFileRenameOperations)" ]] || fail "the restart left files to replace"
else
    step "exit code 0: nothing was in use"
fi
check_installed "$msi" "$machine_folder"
[[ ! -e "$machine_folder/previous-only.txt" ]] || fail "the upgrade left a file the new version does not ship"
! has_key "$(uninstall_key "$older_code")" || fail "the upgrade left the entry of version $older_version"
step "upgraded: one entry, version $version, exactly the new version's files"

step "a downgrade to version $older_version: refused, nothing changed"
snapshot before-downgrade
expect 67 "the downgrade" run msiexec /i "$(windows_path "$older")" /qn
same_as before-downgrade "after the refused downgrade"
refused_with_message "the downgrade" downgrade-refused.png "$older"
step "another build of version $version: refused, nothing changed"
rebuilt="$(packaging/windows/msi.sh "$build" "$work/rebuilt" 2>"$work/rebuilt.log" | tail -n 1)" ||
    { cat "$work/rebuilt.log"; fail "the package could not be made again"; }
[[ "$(property "$rebuilt" ProductCode)" != "$code" ]] || fail "two builds have the same ProductCode"
expect 67 "another build of the same version" run msiexec /i "$(windows_path "$rebuilt")" /qn
same_as before-downgrade "after the refused build of the same version"
check_installed "$msi" "$machine_folder"

step "msiexec /x $(basename "$msi") /qn"
expect 0 "the removal by package" run msiexec /x "$(windows_path "$msi")" /qn
check_removed "$machine_folder"
same_as before-upgrade "after the upgrade and msiexec /x $(basename "$msi")"
step "removed without a trace"

# --- 3. Another folder ---------------------------------------------------

fresh_prefix custom-folder
mkdir -p "$WINEPREFIX/drive_d"
ln -sfn ../drive_d "$WINEPREFIX/dosdevices/d:"
folder="$WINEPREFIX/drive_d/Tools/Siltmere"
step "3. INSTALLDIR=D:\\Tools\\Siltmere"
snapshot before-custom
expect 0 "the install into D:\\Tools\\Siltmere" run msiexec /i "$(windows_path "$older")" /qn 'INSTALLDIR=D:\Tools\Siltmere'
check_installed "$older" "$folder"
[[ ! -e "$machine_folder" ]] || fail "the install into D: wrote to Program Files"
rm "$folder/LICENSE.txt"
expect 0 "the repair" run msiexec /i "$(windows_path "$older")" /qn REINSTALL=ALL REINSTALLMODE=omus
[[ -f "$folder/LICENSE.txt" ]] || fail "the repair did not put LICENSE.txt back in $folder"
check_installed "$older" "$folder"
expect 0 "the upgrade in D:\\Tools\\Siltmere" run msiexec /i "$(windows_path "$msi")" /qn
check_installed "$msi" "$folder"
[[ ! -e "$machine_folder" ]] || fail "the upgrade of the installation in D: wrote to Program Files"
find_shortcut "$folder"
start_siltmere "$shortcut" "Siltmere did not start from D:\\Tools\\Siltmere"
close_siltmere
expect 0 "the removal from D:\\Tools\\Siltmere" run msiexec /x "$code" /qn
check_removed "$folder"
# Windows Installer removes the folders of its Directory table, not the
# parent that it made for a folder named on the command line: D:\Tools
# stays, empty.
[[ "$(cd "$WINEPREFIX/drive_d" && find . -mindepth 1)" == ./Tools ]] ||
    fail "the removal left $(find "$WINEPREFIX/drive_d" -mindepth 1 | head -n 5 | tr '\n' ' ')"
same_as before-custom "after the removal from D:\\Tools\\Siltmere"
step "another folder: installed, repaired, upgraded, started and removed there; D:\\Tools, which it made, stays, empty"

# --- 4. The NSIS installer's installation beside it ----------------------

fresh_prefix nsis
step "4. the NSIS installer's installation, for all users, then the package"
snapshot before-nsis
expect 0 "the NSIS installer for all users" run "$installer" /S /AllUsers
snapshot with-nsis
expect 67 "the package over the NSIS installation" run msiexec /i "$(windows_path "$msi")" /qn
same_as with-nsis "after the package refused the NSIS installation"
refused_with_message "the package over the NSIS installation" nsis-refused.png "$msi"
expect 0 "the NSIS uninstaller" run "$machine_folder/Uninstall.exe" /S
step "for this user, then the package"
expect 0 "the NSIS installer for this user" run "$installer" /S
expect 67 "the package over the per-user NSIS installation" run msiexec /i "$(windows_path "$msi")" /qn
expect 0 "the NSIS uninstaller" run "$user_folder/Uninstall.exe" /S
step "the package, then the NSIS installer"
expect 0 "the package without the NSIS installation" run msiexec /i "$(windows_path "$msi")" /qn
snapshot with-msi
expect 2 "the NSIS installer over the package" run "$installer" /S
expect 2 "the NSIS installer for all users over the package" run "$installer" /S /AllUsers
same_as with-msi "after the NSIS installer refused the package's installation"
expect 0 "the removal" run msiexec /x "$code" /qn
same_as before-nsis "after both were removed"
step "each refuses to install over the other's installation, changing nothing"

step "all checks passed; screenshots in $shots"
