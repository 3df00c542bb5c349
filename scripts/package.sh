#!/usr/bin/env bash
# Builds the 32-bit release and packs it as dist/Wakeguard-<version>.zip with
# the folder layout the program expects.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/setup.sh
scripts/build.sh win32
version=$(sed -n 's/^project(Wakeguard VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# The build version: the release number and the commit it was built from.
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
build="$version+$commit"
stage=build/package/Wakeguard
rm -rf build/package && mkdir -p "$stage/bin" "$stage/init" "$stage/Daten" dist
cp build/win32/Wakeguard.exe build/win32/Uebersicht.exe "$stage/bin/"
cp packaging/Wakeguard.ini "$stage/init/"
{ echo "Wakeguard $build"; echo; cat CHANGELOG; } >"$stage/CHANGELOG"
[ -d docs ] && cp -r docs "$stage/Kurzanleitung"
rm -f dist/Wakeguard-*.zip
(cd build/package && zip -qr "$here/dist/Wakeguard-$build.zip" Wakeguard)
echo "dist/Wakeguard-$build.zip"
