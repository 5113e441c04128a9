#!/usr/bin/env bash
# Builds Turntable Lab (optimised) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target turntable-lab
exec ./build/release/turntable-lab "$@"
