#!/usr/bin/env bash
# Takes the screenshots the program's store metadata (data/Desktop/*.metainfo.xml) names,
# afresh, under Xvfb, into data/Desktop/skaermbilleder/. The home page serves them at the
# addresses the metadata gives. Run it after changing the main or document window.
#     scripts/make-screenshots.sh [build folder]      (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=data/Desktop/skaermbilleder
cmake --build "$build" --target hjaelpbilleder -j"$(nproc)"
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1600x1000x24" "$build/tests/hjaelpbilleder" --butik "$out"
