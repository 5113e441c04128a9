#!/usr/bin/env bash
# Makes the README's pictures with the program's own --snapshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target turntable-lab
# In English and the drawings' own colours, whatever this machine's language and settings.
program() { XDG_CONFIG_HOME="$(mktemp -d)" ./build/release/turntable-lab --lang en "$@"; }
mkdir -p docs/images
program --snapshot simulation docs/images/simulation.png --size 1280x720 --mass 20 --friction 1 --total 40 --influenced
program --snapshot explorer docs/images/explorer.png --size 1280x720 --rotating --steps 30
program --snapshot derivation docs/images/derivation.png --size 1280x720 --page 8
program --snapshot curve-lab docs/images/first-explanation.png --size 1280x720
