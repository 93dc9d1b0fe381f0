#!/usr/bin/env bash
# Retakes the README's pictures (docs/*.png) from the program itself, on a
# virtual X display so they show the real X11 rendering.
#   tools/screenshots/screenshots.sh [SCALE]   e.g. 1.5 for a high-DPI picture
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/lib/install-deps.sh build screenshot
cmake --preset default
cmake --build --preset default --parallel "$(nproc)" --target siltmere_screenshots

scale="${1:-1}"
out=docs
if [[ "$scale" != 1 ]]; then
    out="build/screenshots-x$scale"
fi
QT_SCALE_FACTOR="$scale" scripts/lib/with-display.sh --screen 1600x1400x24 \
    build/default/tools/screenshots/siltmere_screenshots "$out"
