#!/usr/bin/env bash
# Installs what is missing, builds Siltmere and runs every test: once in the
# normal build and once under AddressSanitizer + UndefinedBehaviorSanitizer.
#   scripts/test.sh            both builds
#   scripts/test.sh default    only the normal build (or: asan)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/install-deps.sh build test print

# The window tests never need a screen; they run on Qt's offscreen platform.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

jobs="$(nproc)"
for preset in "${@:-default asan}"; do
    for name in $preset; do
        echo "=== $name build ==="
        cmake --preset "$name"
        cmake --build --preset "$name" --parallel "$jobs"
        ctest --preset "$name" --parallel "$jobs"
    done
done
