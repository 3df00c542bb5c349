# Shared by the scripts that run Windows programs: a private Wine prefix in the
# build tree, no Mono or Gecko prompts, and a virtual display when none exists.
here=${here:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="$here/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WG_WINE64=/usr/lib/wine/wine64
WG_WINE32=/usr/lib/wine/wine
WG_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WG_WINESERVER" ] || WG_WINESERVER=/usr/lib/wine/wineserver

wg_wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WG_WINE64" wineboot --init >/dev/null 2>&1 || true
    "$WG_WINESERVER" -w || true
  fi
}

wg_start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=77
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    WG_XVFB_PID=$!
    export DISPLAY=":$n"
    trap 'kill $WG_XVFB_PID 2>/dev/null || true' EXIT
    local i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
  fi
}
