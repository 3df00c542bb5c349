#!/usr/bin/env bash
# Sets up, builds and starts Wakeguard under Wine in a Wakeguard/ folder of
# the build tree, on a virtual display when there is none.
#   scripts/run.sh [PORT]    the simulated logger and the program on PORT (default COM1)
set -euo pipefail
port=${1:-COM1}
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
# A simulated logger on the port (master password MASTER); edit
# build/run/logger-state.txt to change it (see wg_logger_sim --help).
touch "$here/build/run/logger-state.txt"
wg_start_simulator "$here/build/run/logger-state.txt" "${port^^}"
echo "Wakeguard runs on display $DISPLAY; folder $tree; simulated logger on ${port^^}"
cd "$tree/bin"
if [ "${port^^}" = COM1 ]; then
  "$WG_WINE64" explorer /desktop=Wakeguard,1024x768 Wakeguard.exe
else
  "$WG_WINE64" explorer /desktop=Wakeguard,1024x768 Wakeguard.exe "$port"
fi
