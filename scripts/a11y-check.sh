#!/usr/bin/env bash
# Walks Siltmere's windows as a screen reader does: through the desktop's
# accessibility bus (AT-SPI, what Orca reads), with the pyatspi client. Starts
# a virtual X display, a private D-Bus session and its AT-SPI bus, runs the
# program with the toolkit's accessibility on, and checks the roles, names,
# states and texts that a screen-reader user depends on, then takes the three
# calculation steps through the bus and checks that the verdicts of the
# percentages are announced. Exits non-zero on the first failed check.
#   scripts/a11y-check.sh [PROGRAM]     (default: build/default/ui/siltmere)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build a11y
program="${1:-build/default/ui/siltmere}"
if [[ ! -x $program ]]; then
    cmake --preset default
    cmake --build --preset default --parallel 2 --target siltmere
fi
program="$(realpath "$program")"

display=":$((RANDOM % 400 + 600))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X${display#:} ]] && break
    sleep 0.1
done

export DISPLAY="$display"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS
dbus-run-session -- /usr/bin/python3 scripts/a11y-check.py "$program"
