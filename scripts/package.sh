#!/usr/bin/env bash
# Builds the Debian package build/package/siltmere_<version>-<revision>_<arch>.deb
# from the "package" preset (Release, hardened, installed under /usr).
# Install it with: apt-get install ./build/package/siltmere_*.deb
# Check it with:   bash scripts/checks/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/install-deps.sh build package
rm -f build/package/*.deb
cmake --preset package
cmake --build build/package --parallel 2 --target siltmere siltmere_compressed_docs
(cd build/package && cpack -G DEB)
ls -1 build/package/*.deb
