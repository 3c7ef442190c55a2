#!/usr/bin/env bash
# Takes the pictures of the program's windows that the help pages show, afresh, under Xvfb:
# builds tests/billeder/hjaelpbilleder and lets it save its PNGs into the help's picture
# folder. Run it after changing a window that a help page shows, look at the pictures, commit.
#     scripts/make-help-pictures.sh [build folder]      (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=data/Program/Struktur/Ravnsti/Billeder
cmake --build "$build" --target hjaelpbilleder -j"$(nproc)"
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1600x1000x24" "$build/tests/hjaelpbilleder" "$out"
