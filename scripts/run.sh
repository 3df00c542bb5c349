#!/usr/bin/env bash
# Sets up, builds and starts Wakeguard under Wine in a Wakeguard/ folder of
# the build tree, on a virtual display when there is none.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/setup.sh
scripts/build.sh native win64
source scripts/wine-env.sh
wg_wine_prefix_ready

tree="$here/build/run/Wakeguard"
mkdir -p "$tree/bin" "$tree/init" "$tree/Daten"
cp build/win64/Wakeguard.exe build/win64/Uebersicht.exe "$tree/bin/"
[ -f "$tree/init/Wakeguard.ini" ] || cp packaging/Wakeguard.ini "$tree/init/"
scripts/demo-data.sh "$tree/Daten"

wg_start_display
# A simulated logger on COM1 (master password MASTER); edit
# build/run/logger-state.txt to change it (see wg_logger_sim --help).
touch "$here/build/run/logger-state.txt"
wg_start_simulator "$here/build/run/logger-state.txt"
echo "Wakeguard runs on display $DISPLAY; folder $tree; simulated logger on COM1"
cd "$tree/bin"
"$WG_WINE64" explorer /desktop=Wakeguard,1024x768 Wakeguard.exe
