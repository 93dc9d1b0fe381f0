#!/usr/bin/env bash
# Builds the Debian package build/package/siltmere_<version>_<arch>.deb.
# Install it with: apt-get install ./build/package/siltmere_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build package
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSILTMERE_BUILD_TESTS=OFF -DSILTMERE_BUILD_BENCH=OFF
cmake --build build/package --parallel "$(nproc)" --target siltmere
(cd build/package && cpack -G DEB)
ls -1 build/package/*.deb
