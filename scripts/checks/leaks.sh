#!/usr/bin/env bash
# One run of the real program, from start to quit, under LeakSanitizer: the
# sanitizer build is started on a virtual X display, its main window is
# closed as from the title bar, and any leak is reported and fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/lib/install-deps.sh build leakcheck
cmake --preset asan
cmake --build --preset asan --parallel "$(nproc)" --target siltmere

export ASAN_OPTIONS="detect_leaks=1:exitcode=23"
export LSAN_OPTIONS="suppressions=$PWD/scripts/checks/lsan.supp:print_suppressions=1"
scripts/lib/with-display.sh bash -c '
    build/asan/app/siltmere &
    app=$!
    /usr/bin/python3 scripts/checks/close-window.py Siltmere 60
    wait "$app"
'
echo "leakcheck: the program ran from start to quit with no leak"
