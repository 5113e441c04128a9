#!/usr/bin/env bash
# Clicks, drags and types at random for longer than CI does, with the sanitizers on:
#   bash scripts/monkey.sh SEEDS ACTIONS      (for example 10 10000)
# A failing run prints its seed and action number, so it can be replayed (MONKEY_TRACE=1 and
# MONKEY_FIRST_SEED=N MONKEY_SEEDS=1 print each action of that seed).
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-3}
actions=${2:-2000}
bash scripts/install-deps.sh
cmake --preset asan
cmake --build --preset asan --target ui_tests
MONKEY_SEEDS=$seeds MONKEY_ACTIONS=$actions QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ./build/asan/tests/ui_tests --gtest_filter='Seeds/MonkeyTest.*'
