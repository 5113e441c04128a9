#!/usr/bin/env bash
# Builds the optimised program and makes turntable-lab_<version>_amd64.deb in this folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target turntable-lab
(cd build/release && cpack -G DEB)
cp build/release/turntable-lab_*.deb .
ls turntable-lab_*.deb
