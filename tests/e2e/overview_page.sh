#!/usr/bin/env bash
# Uebersicht.exe as a regatta office meets it: started in bin/ of a Wakeguard
# folder on the demo regatta, then its page rendered by headless Chromium.
#   tests/e2e/overview_page.sh WAKEGUARD_FOLDER [SCREENSHOT.png]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "$1" && pwd)
source "$here/scripts/wine-env.sh"
fail() { echo "overview page: $*" >&2; exit 1; }

rm -rf "$tree/Daten" && "$here/scripts/demo-data.sh" "$tree/Daten"
(cd "$tree/bin" && timeout 120 "$WG_WINE64" Uebersicht.exe </dev/null >/dev/null) || fail "exit code $?"
# Longest engine time first: ID, seconds, events, coarse minutes, status.
rows=$(tail -n +9 "$tree/Daten/Demo08-Uebersicht.csv" | cut -d';' -f1,8,10,13,14 | tr -d '\r')
[ "$rows" = $'NED3;1050;2;22;ausgewertet\nSWE5;300;1;45;nach dem Auslesen verändert\nFRA7;;;4;Zieldurchgang fehlt\nGER12;;;;nicht ausgelesen' ] ||
  fail "rows: $rows"

profile="$tree/chromium-profile"; rm -rf "$profile"
chrome() { timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
  --disable-component-update --disable-sync --user-data-dir="$profile" "$@" 2>/dev/null; }
page="file://$tree/Daten/Demo08-Uebersicht.html"
dom=$(chrome --dump-dom "$page")
count() { perl -0ne "$1" <<<"$dom"; }
# A row per yacht; a bar per engine-on interval on the axis (09:30 to the last
# finish at 16:55): NED3 12:40 and 16:50, SWE5 10:00, FRA7 11:10; NED3's two
# and SWE5's one count.
[ "$(count '/<table class="liste">.*?<tbody>(.*?)<\/tbody>/s; print scalar(() = $1 =~ /<tr/g)')" = 4 ] || fail "table rows"
for layer in g:4 c:3; do
  n=$(count '$n = 0; $n += () = $1 =~ /M/g while /<path class="'"${layer%:*}"'" d="([^"]*)"/g; print $n')
  [ "$n" = "${layer#*:}" ] || fail "bars of class ${layer%:*}: $n"
done
! grep -Eq '<script|(src|href)="[a-z]+:' "$tree/Daten/Demo08-Uebersicht.html" || fail "script or outside file"
if [ -n "${2:-}" ]; then
  chrome --screenshot="$2" --window-size=1400,1000 --hide-scrollbars "$page" >/dev/null
  [ -s "$2" ] || fail "no screenshot"
fi
