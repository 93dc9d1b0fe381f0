# Wine prefixes for the Windows scripts, sourced by wine-run.sh (ctest's
# emulator), ctest.sh, installer-check.sh, msi-check.sh and signing-check.sh:
#   source scripts/lib/windows/wine-prefix.sh
# It sets Wine's environment for all of them (64-bit, quiet, no Mono or
# Gecko installers on the first start of a prefix, no menu entries on this
# machine's desktop for shortcuts made inside a prefix), and has what the
# checks share: fresh prefixes in a work folder removed at the end, running
# a Windows program and waiting for it, reading the registry, comparing a
# prefix's registry and file tree before and after, and driving Siltmere's
# main window. A script that calls fresh_prefix or same_as defines fail.
# shellcheck disable=SC2034 # the folders fresh_prefix sets are its callers'

export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

# The prefix of ctest's runs and of wine-run.sh by hand: $WINEPREFIX when
# set, else one kept in the cache.
wine_default_prefix() {
    local cache="${SILTMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/siltmere}"
    printf '%s\n' "${WINEPREFIX:-$cache/wine-prefix}"
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

# --- Fresh prefixes for the checks ---------------------------------------

# wine_check_work NAME: a work folder for a check in $work, removed with the
# check's last prefix when the script exits. Every prefix is made there,
# fresh, never one from the environment.
wine_check_work() {
    work="$(mktemp -d "/tmp/siltmere-$1.XXXXXX")"
    unset WINEPREFIX
    trap wine_check_cleanup EXIT
}

wine_check_cleanup() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k 2>/dev/null || true
    fi
    rm -rf "$work"
}

# fresh_prefix NAME: ends the previous prefix of the check and makes a new
# one, $work/prefix-NAME, that holds Windows' own bitmap fonts ("MS Sans
# Serif" and "Courier", as every Windows has them) and has started a
# program with windows once (which fills Wine's font cache), so that what
# changes afterwards is what the check did. Sets the folders that the
# installers write to.
fresh_prefix() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w
        rm -rf "$WINEPREFIX"
    fi
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

# Runs a Windows program and waits for everything it started; the exit code
# is the program's (modulo 256, as a Linux shell gets it).
run() {
    local status=0
    wine "$@" || status=$?
    wineserver -w
    return "$status"
}

# A path outside the prefix as Wine shows it (Z: is the root); one inside
# drive_c as Windows names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
drive_c_path() {
    local inside="${1#"$WINEPREFIX/drive_c"}"
    printf 'C:%s' "${inside//\//\\}"
}

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
same_as() {
    diff -u "$work/$1.reg" "$work/$2.reg" >"$work/diff.reg" ||
        fail "$3: the registry differs: $(head -n 40 "$work/diff.reg")"
    diff -u "$work/$1.files" "$work/$2.files" >"$work/diff.files" ||
        fail "$3: the files differ: $(head -n 40 "$work/diff.files")"
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

# window_geometry WINDOW reads the main window's geometry; click X Y then
# clicks at a point of its designed area. The window's client area is at the
# window's origin (no window manager runs here); the designed area, 690
# pixels tall, lies under the menu bar, which takes what the window has
# beyond that. For a window without a menu bar: window_geometry WINDOW 0.
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    if [[ "${2:-}" == 0 ]]; then
        menu_bar=0
        return
    fi
    menu_bar=$((HEIGHT - 690))
    ((menu_bar > 0 && menu_bar < 60)) || fail "the main window is $HEIGHT pixels tall: no menu bar above its 690"
}
click() {
    xdotool mousemove --sync $((X + $1)) $((Y + menu_bar + $2)) click 1
    sleep 1
}

# The three steps, clicked where their buttons are.
three_steps() {
    click 419 340 # Calculate: Critical Total Loads
    click 419 493 # Calculate: Exceedances over 25 Year Period
    click 419 646 # Calculate: % increase scenario vs baseline
}

# Opens the background window from the main window; prints its id.
background_window() {
    click 200 258 # Background
    timeout 30 xdotool search --sync --onlyvisible --name '^Siltmere Background Information$' | head -n 1
}
