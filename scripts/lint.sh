#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the sources of the
# program, its tests, benchmarks and tools (not the fuzz targets, which only
# the clang fuzz build compiles). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/install-deps.sh build lint
cmake --preset default >/dev/null
# The generated Qt sources (moc, resources) must exist for the files that use them.
cmake --build --preset default --parallel "$(nproc)" >/dev/null

# clang-tidy counts the warnings it hides in system headers on standard
# error, a line per file; only its findings are worth reading.
git ls-files 'model/*.cpp' 'assessment/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'tests/*.cpp' ':!tests/fuzz/*' 'bench/*.cpp' \
    'tools/screenshots/*.cpp' |
    xargs -P "$(nproc)" -n 1 clang-tidy -p build/default --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)
echo "lint: clang-tidy found nothing"
