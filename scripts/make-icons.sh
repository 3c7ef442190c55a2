#!/usr/bin/env bash
# Renders the program's emblem (data/Icons/ravnsti.svg) into the PNG sizes of the hicolor
# icon theme under data/Desktop/hicolor. The PNGs are kept in the repository, so only a
# change of the emblem needs this script; it uses rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert mangler (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
    folder="data/Desktop/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert -w "$size" -h "$size" data/Icons/ravnsti.svg -o "$folder/ravnsti.png"
done
