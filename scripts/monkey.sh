#!/usr/bin/env bash
# Drives the program at random for longer than CI does: bash scripts/monkey.sh SEEDS ACTIONS
# (for example 10 10000). Runs under the Address and UndefinedBehavior sanitizers; a failure names
# the seed and the action.
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
