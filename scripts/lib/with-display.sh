#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb), which ends with
# the command; exits with the command's status. Every script that needs a
# screen (screenshots, Wine, the screen-reader and leak checks) goes through
# this one helper.
#   scripts/lib/with-display.sh [--screen WIDTHxHEIGHTxDEPTH] COMMAND [ARG...]
# The default screen is 1280x1024x24.
set -euo pipefail

screen=1280x1024x24
if [[ ${1:-} == --screen ]]; then
    screen="$2"
    shift 2
fi
(($# > 0)) || { echo "usage: with-display.sh [--screen WxHxD] COMMAND [ARG...]" >&2; exit 2; }

"$(dirname "$0")/install-deps.sh" display >&2

# Xvfb picks a free display number itself and writes it to -displayfd once
# it accepts clients, so two runs never race for the same number.
number_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [[ -s $number_file ]] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "with-display: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[[ -s $number_file ]] || { echo "with-display: Xvfb gave no display number" >&2; exit 1; }

status=0
DISPLAY=":$(head -n 1 "$number_file")" "$@" || status=$?
exit "$status"
