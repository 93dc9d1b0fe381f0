# Wine prefixes for the Windows scripts, sourced by wine-run.sh (ctest's
# emulator), ctest.sh, installer-check.sh, msi-check.sh and signing-check.sh:
#   source scripts/lib/windows/wine-prefix.sh
# It sets Wine's environment for all of them (64-bit, quiet, no Mono or
# Gecko installers on the first start of a prefix, no menu entries on this
# machine's desktop for shortcuts made inside a prefix), and has what the
# checks share: a check's start (its display, its package, its work folder,
# fail and step), fresh prefixes removed at the end, running a Windows
# program and checking its exit code, reading and checking the registry and
# the Apps & features entries, comparing a prefix's registry and file tree
# before and after, and starting, driving and closing Siltmere.
# shellcheck disable=SC2034 # what the helpers set (folders, $window, $status) is their callers'

export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

# The prefix of ctest's runs and of wine-run.sh by hand: $WINEPREFIX when
# set, else one kept in the cache.
wine_default_prefix() {
    local cache="${SILTMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/siltmere}"
    export WINEPREFIX="${WINEPREFIX:-$cache/wine-prefix}"
}

# --- One Wine server for a whole test run --------------------------------
#
# Each Windows program connects to the Wine server of its prefix, which
# Debian's wineserver ends as soon as its last program has ended. A test
# started just then by ctest, in parallel with others, finds the server
# going away ("wine client error:0: recvmsg: Connection reset by peer").
# A persistent server (wineserver -p) stays up between the tests until it
# is told to stop, and so do Wine's own services (explorer, services,
# plugplay, winedevice) that the first program starts: they are started
# here, by a program whose output goes nowhere, as they would otherwise
# keep the first test's output pipe open for as long as they run (and
# ctest, which reads the model tests' list through such a pipe, would wait
# for them). A server still running for the prefix (wineserver -p exits
# with 2) is waited for, as one that a program just left ends within
# seconds; one that is still there after 10 seconds, another run's, is used
# and left running.

wine_server_start() {
    mkdir -p "$WINEPREFIX"
    local status tries=0
    wine_server_ours=0
    while true; do
        status=0
        wineserver -p || status=$?
        case "$status" in
            0)
                wine_server_ours=1
                break
                ;;
            2)
                if ((++tries >= 20)); then
                    echo "wine-prefix: a Wine server for $WINEPREFIX runs already; using it" >&2
                    break
                fi
                sleep 0.5
                ;;
            *) return "$status" ;;
        esac
    done
    wine cmd /c exit 0 </dev/null >/dev/null 2>&1
}

wine_server_stop() {
    if [[ "${wine_server_ours:-0}" == 1 ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w
        wine_server_ours=0
    fi
}

# --- A check -------------------------------------------------------------

# need_display ARGS...: a check that drives Siltmere's windows starts again,
# with ARGS, on an X display of its own when it has none.
need_display() {
    if [[ -z "${DISPLAY:-}" ]]; then
        scripts/lib/install-deps.sh windows screenshot
        exec scripts/lib/with-display.sh bash "$0" "$@"
    fi
}

# wine_check NAME: starts the check NAME, run from the checkout's top: fail
# and step speak as NAME, and its prefixes are made fresh in a work folder,
# $work, removed with the last of them when the script exits; never one from
# the environment. Wine turns the command line and the file names from the
# locale's encoding, hence UTF-8.
wine_check() {
    check="$1"
    work="$(mktemp -d "/tmp/siltmere-$check.XXXXXX")"
    unset WINEPREFIX
    trap 'discard_prefix; rm -rf "$work"' EXIT
    export LC_ALL=C.UTF-8
}
fail() {
    echo "$check: FAILED: $*" >&2
    exit 1
}
step() { echo "$check: $*"; }

# check_package EXTENSION [FILE [SCREENSHOT_DIR]]: the package checked,
# $package (FILE, or the newest build/windows/Siltmere-*-win64.EXTENSION),
# and its $version; $build, the build that made it ($SILTMERE_WINDOWS_BUILD,
# else build/windows), whose CPack configuration makes the older versions'
# packages; $shots, the folder of the screenshots (unless given, the
# check's name in build/windows).
check_package() {
    package="$(realpath "${2:-$(ls -t build/windows/Siltmere-*-win64."$1" | head -n 1)}")"
    version="$(basename "$package" | sed -n "s/^Siltmere-\(.*\)-win64\.$1\$/\1/p")"
    build="$(realpath "${SILTMERE_WINDOWS_BUILD:-build/windows}")"
    [[ -f "$build/CPackConfig.cmake" ]] || fail "no CPack configuration in $build (set SILTMERE_WINDOWS_BUILD)"
    shots="${3:-build/windows/$check}"
    mkdir -p "$shots"
}

# --- Fresh prefixes ------------------------------------------------------
#
# Wine is stopped one way while a prefix is in use: a program ends as a user
# quitting it would (close_siltmere) or by itself, and Wine's server then
# ends with the last program (wineserver -w waits for it). Killing the
# server (wineserver -k) would lose what an installer wrote last, such as
# the files that Windows Installer is to replace at the restart; it is only
# for a prefix that is thrown away, and for ctest's persistent server.

discard_prefix() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w
        rm -rf "$WINEPREFIX"
    fi
}

# fresh_prefix NAME: throws the check's previous prefix away and makes a new
# one, $work/prefix-NAME, that holds Windows' own bitmap fonts ("MS Sans
# Serif" and "Courier", as every Windows has them) and has started a
# program with windows once (which fills Wine's font cache), so that what
# changes afterwards is what the check did. Sets the folders that the
# installers write to.
fresh_prefix() {
    discard_prefix
    export WINEPREFIX="$work/prefix-$1"
    wineboot --init
    wineserver -w
    cp /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/coure.fon "$WINEPREFIX/drive_c/windows/Fonts/"
    run cmd /c exit 0
    user_dir="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}"
    user_folder="$user_dir/AppData/Local/Programs/Siltmere"
    user_shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Siltmere.lnk"
    machine_folder="$WINEPREFIX/drive_c/Program Files/Siltmere"
    machine_shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Siltmere.lnk"
}

# Runs a Windows program and waits for everything it started (an NSIS
# uninstaller's copy of itself too); the exit code is the program's, modulo
# 256 as a Linux shell gets it: 1603 reads as 67, 3010 as 194.
run() {
    local status=0
    wine "$@" || status=$?
    wineserver -w
    return "$status"
}

# expect CODES WHAT COMMAND...: runs the command, whose exit code, kept in
# $status, must be one of CODES ("0", "0 194"), or any but 0 for "nonzero".
expect() {
    local want="$1" what="$2"
    shift 2
    status=0
    "$@" || status=$?
    if [[ "$want" == nonzero ]]; then
        ((status != 0)) || fail "$what: exit code 0, not a failure"
    else
        [[ " $want " == *" $status "* ]] || fail "$what: exit code $status, not $want"
    fi
}

# A path outside the prefix as Wine shows it (Z: is the root); one on a
# drive of the prefix (drive_c, drive_d) as Windows names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
drive_path() {
    [[ "$1" == "$WINEPREFIX"/drive_[a-z]/* ]] || fail "$1 is on no drive of the prefix"
    local inside="${1#"$WINEPREFIX/drive_"}"
    local letter="${inside:0:1}"
    inside="${inside:1}"
    printf '%s:%s' "${letter^^}" "${inside//\//\\}"
}

# The files under a folder with their contents, one line each.
folder_files() { (cd "$1" && find . -type f -exec md5sum {} + | LC_ALL=C sort); }

# --- The registry --------------------------------------------------------

# reg_value KEY NAME: the data of a value (a number in decimal), empty when
# there is none; reg_type KEY NAME: its type. Read from an export, which is
# in UTF-16: `reg query` prints in the console's code page, which has no Ω.
reg_export() {
    rm -f "$work/key.reg"
    wine reg export "$1" "$(windows_path "$work/key.reg")" /y >/dev/null 2>&1 || return 0
    # One line a value: the export continues long data on the next lines.
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -e ':a' -e '/\\$/N' -e 's/\\\n *//' -e 'ta'
}
reg_value() {
    local line
    line="$(reg_export "$1" | grep -F "\"$2\"=" | head -n 1 || true)"
    line="${line#*=}"
    case "$line" in
        dword:*) echo $((16#${line#dword:})) ;;
        \"*) line="${line#\"}" && line="${line%\"}" && printf '%s\n' "$line" | sed -e 's/\\"/"/g' -e 's/\\\\/\\/g' ;;
        # REG_EXPAND_SZ: UTF-16LE bytes in hexadecimal, ending in a NUL.
        hex\(2\):*) printf '%s' "${line#hex(2):}" | perl -pe 's/([0-9a-f]{2}),?/chr(hex($1))/ge' |
            iconv -f UTF-16LE -t UTF-8 | tr -d '\0'; echo ;;
        *) printf '%s\n' "$line" ;;
    esac
}
reg_type() {
    local line
    line="$(reg_export "$1" | grep -F "\"$2\"=" | head -n 1 || true)"
    case "${line#*=}" in
        dword:*) echo REG_DWORD ;;
        \"*) echo REG_SZ ;;
        hex\(2\):*) echo REG_EXPAND_SZ ;;
        "") ;;
        *) echo other ;;
    esac
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }

# expect_value KEY NAME DATA: the value's data must be DATA; expect_number
# KEY NAME [N]: the value must be a number (REG_DWORD), N when given.
expect_value() {
    local data
    data="$(reg_value "$1" "$2")"
    [[ "$data" == "$3" ]] || fail "$1: $2 is '$data', not '$3'"
}
expect_number() {
    local type
    type="$(reg_type "$1" "$2")"
    [[ "$type" == REG_DWORD ]] || fail "$1: $2 is not a number (${type:-no value})"
    [[ -z "${3:-}" ]] || expect_value "$1" "$2" "$3"
}

# --- Apps & features -----------------------------------------------------

uninstall_keys='Software\Microsoft\Windows\CurrentVersion\Uninstall'

# expect_entry KEY DISPLAY_NAME VERSION LOCATION UNINSTALL_STRING FLAG...:
# an installation's entry: its name, version, publisher, folder (as Windows
# names it) and uninstall command, each FLAG the number 1, and a number for
# its size.
expect_entry() {
    local key="$1" flag
    expect_value "$key" DisplayName "$2"
    expect_value "$key" DisplayVersion "$3"
    expect_value "$key" Publisher "The Siltmere developers"
    expect_value "$key" InstallLocation "$4"
    expect_value "$key" UninstallString "$5"
    shift 5
    for flag in "$@"; do
        expect_number "$key" "$flag" 1
    done
    expect_number "$key" EstimatedSize
}

# expect_entries N: Apps & features lists Siltmere N times, for all users
# and for this user together.
expect_entries() {
    local entries
    entries="$( (wine reg query "HKLM\\$uninstall_keys" /s
        wine reg query "HKCU\\$uninstall_keys" /s) 2>/dev/null | tr -d '\r' | grep -c 'DisplayName .*Siltmere' || true)"
    ((entries == $1)) || fail "Apps & features lists Siltmere $entries times, not $1"
}

# --- A prefix before and after -------------------------------------------

# snapshot NAME: the registry as Wine keeps it on disk, and the file tree of
# drive C:, to compare what an installation can touch before installing and
# after uninstalling. Left out, with reason:
# - the time stamps of keys;
# - what Wine renews by itself: the fonts cache that it fills on the first
#   start of a program with windows, and the display adapters and monitors
#   that its X11 driver writes anew for each X display;
# - the print system's: Wine mirrors the machine's CUPS printers into each
#   prefix (the spooler's keys and their drivers' files, the printers and
#   ports listed for Windows 3.x programs, the default printer), and a
#   printer's status and the printers themselves change on their own;
# - an uninstaller's leftovers that Windows removes at the next restart:
#   the temporary folder, where NSIS's uninstaller ran a copy of itself, and
#   the list of files to delete at the restart that it put itself on;
# - Windows Installer's own records that stay once it has run, empty: its
#   folder of cached packages and the empty keys that held its products'
#   registrations (each product's own keys, under them, are compared).
snapshot() {
    wineserver -w
    cat "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" |
        sed -e '/^#time=/d' -e 's/^\(\[.*\]\) [0-9]*$/\1/' |
        awk '
            function flush() {
                if (key != "" && !(empty && installer_key)) printf "%s", block
                key = ""; block = ""
            }
            /^\[/ {
                flush()
                key = $0; block = $0 "\n"; empty = 1
                skip = ($0 ~ /^\[Software\\\\Wine\\\\Fonts\\\\Cache/ ||
                        $0 ~ /^\[System\\\\CurrentControlSet\\\\(Control\\\\Class|Enum|Control\\\\Video)\\\\/ ||
                        $0 ~ /^\[Hardware\\\\DEVICEMAP\\\\VIDEO/ ||
                        $0 ~ /^\[System\\\\CurrentControlSet\\\\Control\\\\Print(\\\\|\])/ ||
                        $0 ~ /^\[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\(Devices|PrinterPorts)\]/ ||
                        $0 ~ /^\[Printers(\\\\|\])/)
                printer_values = ($0 == "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Windows]")
                installer_key = ($0 ~ /^\[Software\\\\Classes\\\\Installer\\\\(Features|Products|UpgradeCodes|Components|Patches)\]$/ ||
                                 $0 ~ /^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Installer\\\\(UpgradeCodes|Folders|UserData\\\\S-1-5-18\\\\(Components|Products))\]$/ ||
                                 $0 ~ /^\[Software\\\\Microsoft\\\\Installer\\\\(Features|Products|UpgradeCodes)\]$/)
                if (skip) { key = ""; block = "" }
                next
            }
            skip { next }
            /^"PendingFileRenameOperations"=/ { next }
            printer_values && /^"device"=/ { next }
            key != "" { block = block $0 "\n"; if ($0 != "") empty = 0 }
            END { flush() }' >"$work/$1.reg"
    (cd "$WINEPREFIX/drive_c" && find . ! -path './users/*/Temp/*' ! -path './users/*/AppData/Local/Temp/*' \
        ! -path './windows/system32/spool/*' ! -path './windows/syswow64/spool/*' |
        if [[ -z "$(ls -A windows/Installer 2>/dev/null)" ]]; then grep -vx './windows/Installer'; else cat; fi |
        LC_ALL=C sort) >"$work/$1.files"
}
# same_as NAME WHAT: the prefix is as it was at snapshot NAME; WHAT says
# when, for a failure.
same_as() {
    snapshot now
    diff -u "$work/$1.reg" "$work/now.reg" >"$work/diff.reg" ||
        fail "$2: the registry differs: $(head -n 40 "$work/diff.reg")"
    diff -u "$work/$1.files" "$work/now.files" >"$work/diff.files" ||
        fail "$2: the files differ: $(head -n 40 "$work/diff.files")"
}

# --- Siltmere's windows --------------------------------------------------

# Waits for the main window (60 s at most); prints its id. xdotool walks the
# window tree and exits on an X error where a window goes away during the
# walk (one of Wine's short-lived ones, as a program starts), so it is asked
# again until the time is up rather than left to --sync.
main_window() {
    local deadline=$((SECONDS + 60)) found
    while ((SECONDS < deadline)); do
        found="$(xdotool search --onlyvisible --name '^Siltmere$' 2>/dev/null | head -n 1)" || true
        if [[ -n "$found" ]]; then
            printf '%s\n' "$found"
            return 0
        fi
        sleep 0.5
    done
    return 1
}

# start_siltmere FILE FAILURE: starts Siltmere from its program or its
# shortcut and waits for its main window, $window; FAILURE says what went
# wrong when it does not appear.
start_siltmere() {
    wine start /unix "$1"
    window="$(main_window)" || fail "$2"
}

# three_steps SHOT: clicks the three steps where their buttons are in the
# main window, $window, and keeps a screenshot of it, $shots/SHOT. The
# window's client area is at the window's origin (no window manager runs
# here); the designed area, 690 pixels tall, lies under the menu bar, which
# takes what the window has beyond that.
three_steps() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu_bar=$((HEIGHT - 690))
    ((menu_bar > 0 && menu_bar < 60)) || fail "the main window is $HEIGHT pixels tall: no menu bar above its 690"
    click 419 340 # Calculate: Critical Total Loads
    click 419 493 # Calculate: Exceedances over 25 Year Period
    click 419 646 # Calculate: % increase scenario vs baseline
    import -window "$window" "$shots/$1"
}
# click X Y: a click at a point of the main window's designed area.
click() {
    xdotool mousemove --sync $((X + $1)) $((Y + menu_bar + $2)) click 1
    sleep 1
}

# Opens the background window from the main window (after three_steps);
# prints its id.
background_window() {
    click 200 258 # Background
    timeout 30 xdotool search --sync --onlyvisible --name '^Siltmere Background Information$' | head -n 1
}

# close_siltmere: closes Siltmere as a user quitting it would (taskkill
# without /f sends its windows WM_CLOSE), and waits for Wine to end.
close_siltmere() {
    wine taskkill /im siltmere.exe >/dev/null 2>&1 || fail "taskkill found no Siltmere to close"
    timeout 60 wineserver -w || fail "Siltmere did not end within a minute of being closed"
}
