#!/usr/bin/env bash
# Walks Siltmere's windows as a screen reader does: through the desktop's
# accessibility bus (AT-SPI, what Orca reads), with the pyatspi client. Starts
# a virtual X display, a private D-Bus session and its AT-SPI bus, runs the
# program with the toolkit's accessibility on, and checks the roles, names,
# states and texts that a screen-reader user depends on, then takes the three
# calculation steps through the bus and checks that the verdicts of the
# percentages are announced; last, the menu bar's menus and items, and the
# help window its Help menu opens, with the guide read whole. Exits non-zero
# on the first failed check.
#   scripts/checks/a11y.sh [PROGRAM]     (default: build/default/app/siltmere)
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/lib/install-deps.sh build a11y
program="${1:-build/default/app/siltmere}"
if [[ ! -x $program ]]; then
    cmake --preset default
    cmake --build --preset default --parallel 2 --target siltmere
fi
program="$(realpath "$program")"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS
scripts/lib/with-display.sh dbus-run-session -- /usr/bin/python3 scripts/checks/a11y.py "$program"
