#!/usr/bin/env bash
# Builds and runs the benchmarks: the model's steps, the window's handlers,
# and start-up time and memory against a bare Qt window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/install-deps.sh build
# The start-up benchmark's windows on the tests' desktop-sized offscreen screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen:configfile=$PWD/tests/support/offscreen-screen.json}"
cmake --preset default
cmake --build --preset default --parallel "$(nproc)" --target model_bench ui_handler_bench startup_probe startup_bench

build/default/bench/model_bench
build/default/bench/ui_handler_bench
build/default/bench/startup_bench build/default/bench/startup_probe 30
