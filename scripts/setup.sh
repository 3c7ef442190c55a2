#!/usr/bin/env bash
# Installs the Debian 12 packages Ravnsti needs (only those missing), then configures and
# builds into build/ (or build-sanitize/ with --sanitize, build-fuzz/ with --fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

# The one list of packages the build, the tests, the benchmarks and the .deb package need.
packages=(
    cmake g++ make
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
    # Qt's GStreamer backend: playback, WAV and MP3 decoding and the sound output
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    xvfb xauth fonts-dejavu-core
    clang-14 libclang-rt-14-dev
    libglib2.0-bin
    desktop-file-utils dpkg-dev file
    # the benchmark of the HTML checker measures it against tidy (and judges both by an HTML5
    # parser from npm, bench/html, with the machine's Node.js, as the list generators do)
    tidy
    # the install test checks the package, its manual page and its store metadata
    lintian appstream man-db
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installerer: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The program and the tests build with warnings as errors, so a warning never lands.
build=build
options=(-DRAVNSTI_WERROR=ON)
case "${1:-}" in
    --sanitize) build=build-sanitize; options+=(-DRAVNSTI_SANITIZE=ON) ;;
    --fuzz) build=build-fuzz
        options=(-DRAVNSTI_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14) ;;
    "") ;;
    *) echo "ukendt valg: $1" >&2; exit 2 ;;
esac

cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
