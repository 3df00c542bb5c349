#!/usr/bin/env bash
# End-to-end scenarios: the real Wakeguard.exe in a fresh Wakeguard/ folder
# under Wine, inside Wine's own desktop on a virtual display, driven by
# wg_e2e_driver.exe.
#   scripts/e2e.sh [--exe PATH] [--tree DIR --password P] [--filter "TEXT|TEXT"] [--shots DIR]
#                  [--code-page 1250|1251|1253|1254] [--dpi N]
# A system code page other than 1252 or a display scaling other than 96 dpi
# runs in a Wine prefix of its own, which Wine keeps them in.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/build/win64/Wakeguard.exe"
driver="$here/build/win64/tests/wg_e2e_driver.exe"
filter=""
shots=""
tree_src=""
dpi=96
while [ $# -gt 0 ]; do
  case "$1" in
    --exe) exe="$2"; shift 2 ;;
    --tree) tree_src="$2"; shift 2 ;;   # an unzipped package to test as shipped
    --password) export WG_E2E_SHIPPED_PASSWORD="$2"; shift 2 ;;  # its program password
    --filter) filter="$2"; shift 2 ;;
    --shots) shots="$2"; shift 2 ;;
    --code-page)
      # Wine takes the ANSI code page from the locale, installed or not.
      case "$2" in
        1250) export LANG=pl_PL.UTF-8 ;;
        1251) export LANG=ru_RU.UTF-8 ;;
        1253) export LANG=el_GR.UTF-8 ;;
        1254) export LANG=tr_TR.UTF-8 ;;
        *) echo "no locale known for code page $2" >&2; exit 2 ;;
      esac
      export LC_ALL=$LANG WG_E2E_CODE_PAGE="$2" WG_WINEPREFIX="$here/build/wineprefix-cp$2"
      shift 2 ;;
    --dpi) dpi="$2"; export WG_E2E_DPI="$2" WG_WINEPREFIX="$here/build/wineprefix-$2dpi"; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
# The screen a 1024x768 one would be at this scaling.
screen="$((1024 * dpi / 96))x$((768 * dpi / 96))"

work="$here/build/e2e"
source "$here/scripts/wine-env.sh"
wg_wine_prefix_ready
if [ "$dpi" != 96 ]; then
  # Wine reads the display scaling from LogPixels.
  "$WG_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  "$WG_WINESERVER" -w || true
fi

rm -rf "$work/Wakeguard" "$work/result.txt"
mkdir -p "$work"
if [ -n "$tree_src" ]; then
  cp -r "$tree_src" "$work/Wakeguard"
else
  mkdir -p "$work/Wakeguard/bin"
  cp "$exe" "$work/Wakeguard/bin/Wakeguard.exe"
  cp "$(dirname "$exe")/Uebersicht.exe" "$work/Wakeguard/bin/"
fi
mkdir -p "$work/Wakeguard/init" "$work/Wakeguard/Daten"

# A second folder whose Daten takes no file, for the warning at start. Root
# writes into any folder, but not into an immutable one.
readonly_tree="$work/Schreibgeschuetzt"
release_readonly() {
  chattr -i "$readonly_tree/Daten" 2>/dev/null || true
  chmod u+w "$readonly_tree/Daten" 2>/dev/null || true
}
release_readonly
rm -rf "$readonly_tree"
mkdir -p "$readonly_tree/bin" "$readonly_tree/init" "$readonly_tree/Daten"
cp "$work/Wakeguard/bin/Wakeguard.exe" "$readonly_tree/bin/"
chmod a-w "$readonly_tree/Daten"
[ "$(id -u)" -ne 0 ] || chattr +i "$readonly_tree/Daten" 2>/dev/null || true

# A third folder whose Daten is a small drive that the office scenario fills
# up: a tmpfs of 128 KiB (it counts whole 4 KiB pages). Mounting takes root;
# without it the scenario reads why and fails with that.
small_tree="$work/Klein"
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo -n"
release_small() { while $sudo_cmd umount "$small_tree/Daten" 2>/dev/null; do :; done; }
release_small
rm -rf "$small_tree"
mkdir -p "$small_tree/bin" "$small_tree/init" "$small_tree/Daten"
cp "$work/Wakeguard/bin/Wakeguard.exe" "$small_tree/bin/"
if $sudo_cmd mount -t tmpfs -o size=128k,mode=0777 tmpfs "$small_tree/Daten" 2>"$work/mount.err"; then
  rm -f "$small_tree/kein-tmpfs.txt"
else
  { echo "mount -t tmpfs ging nicht ($(id -un)):"; cat "$work/mount.err"; } >"$small_tree/kein-tmpfs.txt"
fi

winpath() { printf 'Z:%s' "$(printf '%s' "$1" | sed 's|/|\\|g')"; }

shots_arg=""
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  rm -f "$shots"/*.bmp
  shots_arg="$(winpath "$(cd "$shots" && pwd)")\\"
fi

wg_start_display "$screen"
# Two simulated loggers: one on COM1, one on COM4 that also answers as COM12.
sim_state="$work/logger-state.txt"
sim2_state="$work/logger2-state.txt"
rm -f "$sim_state" "$sim2_state"
wg_start_simulator "$sim_state" COM1
wg_start_simulator "$sim2_state" COM4 COM12
export WG_E2E_LOGGER_STATE="$(winpath "$sim_state")"
export WG_E2E_LOGGER_LOG="$(winpath "$here/build/com1-received.log")"
export WG_E2E_LOGGER2_STATE="$(winpath "$sim2_state")"
export WG_E2E_LOGGER2_LOG="$(winpath "$here/build/com4-received.log")"
# The driver starts Wakeguard.exe inside Wine's desktop, so windows get frames.
# A time zone other than UTC, so local time and UTC differ on the wire.
TZ=Europe/Berlin timeout 1500 "$WG_WINE64" explorer /desktop=wg,"$screen" "$(winpath "$driver")" \
  "$(winpath "$work/Wakeguard")\\" "$(winpath "$work/result.txt")" "$filter" "$shots_arg" \
  >"$work/driver.log" 2>&1 || true
timeout 60 "$WG_WINESERVER" -w || "$WG_WINESERVER" -k || true
release_readonly
release_small

if [ ! -f "$work/result.txt" ]; then
  echo "end-to-end: the driver left no result" >&2
  cat "$work/driver.log" >&2 || true
  exit 1
fi
cat "$work/result.txt"
if [ -n "$shots" ] && command -v convert >/dev/null; then
  for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
fi
tail -n 1 "$work/result.txt" | grep -Eq '^[0-9]+ passed, 0 failed$' || exit 1

# The overview's page is checked in a browser, which runs on this side of Wine.
page_check="overview: the demo regatta's page in Chromium"
# The driver's filter rule: any "|"-separated part, an empty one too, matches.
if grep -qF -e "${filter//|/$'\n'}" <<<"$page_check"; then
  "$here/tests/e2e/overview_page.sh" "$work/Wakeguard" ${shots:+"$shots/overview.png"} || exit 1
  echo "PASS  $page_check"
fi
