#!/usr/bin/env bash
# Sets up, builds and starts Ravnsti. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/ravnsti "$@"
fi
echo "Ingen skærm fundet: Ravnsti startes under Xvfb (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/ravnsti "$@"
