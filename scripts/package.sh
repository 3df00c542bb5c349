#!/usr/bin/env bash
# Builds the 32-bit release and packs it as dist/Wakeguard-<version>+<commit>.zip
# with the folder layout the program expects and only what users read; the
# exes' debug information goes beside it, into dist/Wakeguard-<...>.debug/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/setup.sh
scripts/build.sh win32
# The build version the exes carry: the release number and the commit it was built from.
build=$(cat build/win32/build_version.txt)
stage=build/package/Wakeguard
rm -rf build/package && mkdir -p "$stage/bin" "$stage/init" "$stage/Daten" "$stage/Kurzanleitung" dist
cp build/win32/Wakeguard.exe build/win32/Uebersicht.exe "$stage/bin/"
cp packaging/Wakeguard.ini "$stage/init/"
{ echo "Wakeguard $build"; echo; cat CHANGELOG; } >"$stage/CHANGELOG"
# The quick guide and the pictures it shows.
cp docs/Kurzanleitung.html "$stage/Kurzanleitung/"
for picture in $(grep -o 'src="bilder/[^"]*"' docs/Kurzanleitung.html | sed 's/^src="//; s/"$//' | sort -u); do
  mkdir -p "$stage/Kurzanleitung/bilder"
  cp "docs/$picture" "$stage/Kurzanleitung/$picture"
done
rm -rf dist/Wakeguard-*.zip dist/Wakeguard-*.debug
(cd build/package && zip -qr "$here/dist/Wakeguard-$build.zip" Wakeguard)
mkdir -p "dist/Wakeguard-$build.debug"
cp build/win32/Wakeguard.exe.debug build/win32/Uebersicht.exe.debug "dist/Wakeguard-$build.debug/"
echo "dist/Wakeguard-$build.zip"
