#!/usr/bin/env bash
# Builds the 32-bit release and packs it as dist/Wakeguard-<version>.zip with
# the folder layout the program expects.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/setup.sh
scripts/build.sh win32
version=$(sed -n 's/^project(Wakeguard VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=build/package/Wakeguard
rm -rf build/package && mkdir -p "$stage/bin" "$stage/init" "$stage/Daten" dist
cp build/win32/Wakeguard.exe "$stage/bin/"
cp packaging/Wakeguard.ini "$stage/init/"
cp CHANGELOG "$stage/"
[ -d docs ] && cp -r docs "$stage/Kurzanleitung"
(cd build/package && rm -f "$here/dist/Wakeguard-$version.zip" && zip -qr "$here/dist/Wakeguard-$version.zip" Wakeguard)
echo "dist/Wakeguard-$version.zip"
