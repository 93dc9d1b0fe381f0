#!/usr/bin/env bash
# Installs what is missing, builds Siltmere and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/install-deps.sh build

cmake --preset default
cmake --build --preset default --parallel "$(nproc)" --target siltmere

if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "start: no display found (DISPLAY and WAYLAND_DISPLAY are empty); start Siltmere from a desktop session." >&2
    exit 1
fi
exec build/default/app/siltmere "$@"
