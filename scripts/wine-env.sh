# Shared by the scripts that run Windows programs: a private Wine prefix in the
# build tree, no Mono or Gecko prompts, and a virtual display when none exists.
here=${here:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# A run under another system code page or display scaling has a prefix of its own.
export WINEPREFIX="${WG_WINEPREFIX:-$here/build/wineprefix}"
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
  # Wine's own fonts (Marlett draws the caption buttons, Tahoma the dialogs)
  # lie where Debian's Wine does not look for them; the prefix's Fonts folder
  # is searched.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
  fi
}

# Background helpers of this script, ended when it exits.
WG_BACKGROUND_PIDS=()
wg_end_background() {
  local pid
  for pid in "${WG_BACKGROUND_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap wg_end_background EXIT

# A simulated logger on a pseudo-terminal, which Wine uses as the serial
# ports named after the first argument. It starts afresh whenever the file $1
# changes (end-to-end scenarios write it); its link is build/<name of the
# first port in lower case>, every byte it receives is logged in
# build/<that name>-received.log.
#   wg_start_simulator STATE_FILE [PORT...]    (default port: COM1)
wg_start_simulator() {
  local watch=$1; shift
  local ports=("$@")
  [ ${#ports[@]} -gt 0 ] || ports=(COM1)
  local name=${ports[0],,}
  local sim="$here/build/native/tools/simulator/wg_logger_sim"
  local link="$here/build/$name"
  local out="$here/build/sim-$name.out"
  rm -f "$out"
  "$sim" --link="$link" --log="$here/build/$name-received.log" --watch="$watch" >"$out" 2>&1 &
  WG_BACKGROUND_PIDS+=($!)
  local i=0
  until grep -q '^ready ' "$out" 2>/dev/null; do
    i=$((i + 1))
    if [ $i -gt 100 ]; then echo "the logger simulator did not start" >&2; cat "$out" >&2; return 1; fi
    sleep 0.1
  done
  # The ports follow the registry; the next Wine start maps them to the link.
  local port
  for port in "${ports[@]}"; do
    "$WG_WINE64" reg add 'HKLM\Software\Wine\Ports' /v "$port" /d "$link" /f >/dev/null 2>&1
  done
  "$WG_WINESERVER" -k || true
}

# A virtual display of $1 (default 1024x768) pixels when there is none.
wg_start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=77
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
    WG_BACKGROUND_PIDS+=($!)
    export DISPLAY=":$n"
    local i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
  fi
}
