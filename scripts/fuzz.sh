#!/usr/bin/env bash
# Builds the fuzz target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes the acceptability limit and the
# scenario comparison for a bounded time.
#   scripts/fuzz.sh [SECONDS]     default 60
# The seeds in tests/fuzz/corpus are copied into a scratch corpus under
# build/fuzz, so what the fuzzer adds never reaches the repository. A crash,
# a failed check or a sanitizer report leaves its input in
# build/fuzz/fuzz-artifacts and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi

scripts/install-deps.sh build fuzz

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSILTMERE_FUZZ=ON \
    -DSILTMERE_BUILD_TESTS=OFF \
    -DSILTMERE_BUILD_BENCH=OFF \
    -DSILTMERE_SANITIZE=ON
cmake --build "$build" --target limit_fuzzer --parallel "$(nproc)"

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
rm -rf "$corpus"
mkdir -p "$corpus" "$artifacts"
cp tests/fuzz/corpus/* "$corpus/"

export QT_QPA_PLATFORM=offscreen
# The application and its main window live until the process ends, so the
# leak check would only report them.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:symbolize=1:handle_abort=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

log="$build/fuzz.log"
status=0
"$build/tests/fuzz/limit_fuzzer" "$corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" 2>&1 | tee "$log" || status=$?

runs="$(grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' "$log" | tail -n 1 || true)"
if ((status != 0)) || [[ -z "$runs" ]]; then
    echo "fuzz: the fuzzer stopped with a finding (exit status $status); inputs are in $artifacts" >&2
    exit 1
fi
echo "fuzz: $runs; corpus $(find "$corpus" -type f | wc -l) inputs"
