#!/usr/bin/env bash
# Redraws the committed pictures in assets/ with their generator programs:
# the stand-in estuary photograph, the conceptual catchment diagram and the
# application icon (the window's, and one per size of the desktop's icon
# theme in assets/icons).
# To use a real photograph instead, replace assets/estuary.jpg (any JPEG; it
# is stretched to fill its box) and do not run this script.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/lib/install-deps.sh build screenshot
cmake -S . -B build/assetgen -DSILTMERE_BUILD_ASSETGEN=ON -DSILTMERE_BUILD_UI=OFF \
    -DBUILD_TESTING=OFF -DSILTMERE_BUILD_BENCH=OFF
cmake --build build/assetgen --parallel "$(nproc)" --target estuary_photo catchment_diagram app_icon
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" build/assetgen/tools/assetgen/estuary_photo assets/estuary.jpg
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" build/assetgen/tools/assetgen/catchment_diagram assets/catchment.png
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" build/assetgen/tools/assetgen/catchment_diagram assets/catchment@2x.png 2
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" build/assetgen/tools/assetgen/app_icon assets/siltmere.png 256
mkdir -p assets/icons
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" build/assetgen/tools/assetgen/app_icon --hicolor assets/icons
# The Windows icon (program, installer, shortcut) holds the sizes Windows asks for.
convert assets/icons/siltmere-{256,64,48,32,24,16}.png assets/siltmere.ico
