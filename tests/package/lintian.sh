#!/bin/sh
# Makes the Debian package of a built tree with "cpack -G DEB" and checks it with lintian:
# no error and no warning may remain. Exits 77 (skipped) where lintian is not installed.
set -eu
build=$1
if ! command -v lintian >/dev/null 2>&1; then
    echo "lintian mangler (Debian-pakken lintian, som scripts/setup.sh installerer)"
    exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$folder" >"$folder/cpack.log" 2>&1 ||
    { cat "$folder/cpack.log"; exit 1; }
deb=$(ls "$folder"/*.deb)
# Root may run it here; lintian's remark about that is no finding of the package's.
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1
