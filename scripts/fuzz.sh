#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (the "fuzz" configure preset) and runs each for
# a bounded time:
#   limit_parse_fuzzer  the limit's text under several locales and the
#                       model's comparison, without a window (fast)
#   limit_fuzzer        the limit typed, pasted or inserted into the main
#                       window and taken through the three steps (end to end)
#   scripts/fuzz.sh [SECONDS]     default 60 for each target
# The seeds in tests/fuzz/parse-corpus and tests/fuzz/corpus are copied into
# scratch corpora under build/fuzz, so what the fuzzer adds never reaches the
# repository. A crash, a failed check or a sanitizer report leaves its input
# in build/fuzz/fuzz-artifacts and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi

scripts/lib/install-deps.sh build fuzz

build=build/fuzz
cmake --preset fuzz
cmake --build "$build" --target limit_parse_fuzzer limit_fuzzer --parallel "$(nproc)"

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

export QT_QPA_PLATFORM=offscreen
# The window target's application and main window live until the process
# ends, so the leak check would only report them. Short allocation stacks and
# a small quarantine keep the sanitizer's cost per allocation down: the fast
# target allocates a few dozen small strings per input.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:symbolize=1:handle_abort=1:malloc_context_size=2:quarantine_size_mb=16"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# fuzz TARGET SEEDS [OPTION...]: runs one target; prints its speed and coverage.
fuzz() {
    local target="$1" seeds="$2"
    shift 2
    local corpus="$build/corpus-$target" log="$build/$target.log" status=0
    rm -rf "$corpus"
    mkdir -p "$corpus"
    cp "$seeds"/* "$corpus/"
    "$build/tests/fuzz/$target" "$corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" >"$log" 2>&1 || status=$?
    tail -n 8 "$log"
    local runs
    runs="$(grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' "$log" | tail -n 1 || true)"
    if ((status != 0)) || [[ -z "$runs" ]]; then
        echo "fuzz: $target stopped with a finding (exit status $status); see $log, inputs in $artifacts" >&2
        return 1
    fi
    local speed coverage
    speed="$(grep -Eo 'stat::average_exec_per_sec: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || true)"
    coverage="$(grep -E '^#[0-9]+' "$log" | grep -Eo 'cov: [0-9]+ ft: [0-9]+' | tail -n 1 || true)"
    echo "fuzz: $target: $runs, ${speed:-?} exec/s, $coverage, corpus $(find "$corpus" -type f | wc -l) inputs"
}

# A limit's text is short; the window target tries long pastes.
fuzz limit_parse_fuzzer tests/fuzz/parse-corpus -max_len=64
fuzz limit_fuzzer tests/fuzz/corpus
