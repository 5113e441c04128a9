#!/usr/bin/env bash
# How much of a core the program takes with the explorer open: idle, with a Foucault pendulum
# swinging and with the body sliding, then over a whole Foucault run in the rotating frame, on an
# Xvfb display of a classroom projector's size:
#   bash scripts/cpu_share.sh [SECONDS]      (20 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target cpu_share
xvfb-run -a -s "-screen 0 1366x768x24" ./build/release/bench/cpu_share "$seconds"
