#!/usr/bin/env bash
# Sets up, builds and runs every test with ctest (--sanitize: the sanitizer build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh "$@"
build=build
[ "${1:-}" = "--sanitize" ] && build=build-sanitize
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"$(nproc)"
