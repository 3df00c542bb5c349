#!/usr/bin/env bash
# Uebersicht.exe as a regatta office meets it: started in bin/ of a Wakeguard
# folder on the demo regatta with its finish list, then its page rendered by
# headless Chromium; then a generated regatta over three days.
#   tests/e2e/overview_page.sh WAKEGUARD_FOLDER [SCREENSHOT.png]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "$1" && pwd)
source "$here/scripts/wine-env.sh"
fail() { echo "overview page: $*" >&2; exit 1; }
generator="$here/build/native/tools/regatta_gen/wg_regatta_gen"; [ -x "$generator" ] || fail "no $generator"

rm -rf "$tree/Daten" && "$here/scripts/demo-data.sh" "$tree/Daten"
uebersicht() { (cd "$tree/bin" && timeout 120 "$WG_WINE64" Uebersicht.exe "$@" </dev/null >/dev/null) || fail "exit code $?"; }
uebersicht
# Longest engine time first: ID, the list's finish, seconds, events, coarse minutes, status.
rows=$(python3 -c 'import csv, sys
lines = open(sys.argv[1], encoding="utf-8-sig", newline="").read().split("\r\n")[9:-1]
for r in csv.reader(lines, delimiter=";"): print("|".join(r[i] for i in (0, 6, 8, 10, 13, 14)))' \
  "$tree/Daten/Demo08-Uebersicht.csv")
[ "$rows" = "NED3|14.06.2008 16:55:00|1050|2|22|ausgewertet
SWE5|14.06.2008 16:41:30|300|1|45|nach dem Auslesen verändert; Zieldurchgang weicht von der Liste ab
FRA7|14.06.2008 17:10:00|240|1|4|Zieldurchgang aus Liste
DEN4|14.06.2008 17:25:00||||nicht ausgelesen
GER12|14.06.2008 17:00:00||||nicht ausgelesen" ] || fail "rows: $rows"

profile="$tree/chromium-profile"; rm -rf "$profile"
chrome() { timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
  --disable-component-update --disable-sync --user-data-dir="$profile" "$@" 2>/dev/null; }
page="file://$tree/Daten/Demo08-Uebersicht.html"
dom=$(chrome --dump-dom "$page")
count() { perl -0ne "$1" <<<"$dom"; }
# A row per yacht; a bar per engine-on interval on the axis (09:30 to the last
# finish at 17:10): NED3 12:40 and 16:50, SWE5 10:00, FRA7 11:10; each counts.
[ "$(count '/<table class="liste">.*?<tbody>(.*?)<\/tbody>/s; print scalar(() = $1 =~ /<tr/g)')" = 5 ] || fail "table rows"
for layer in g:4 c:4; do
  n=$(count '$n = 0; $n += () = $1 =~ /M/g while /<path class="'"${layer%:*}"'" d="([^"]*)"/g; print $n')
  [ "$n" = "${layer#*:}" ] || fail "bars of class ${layer%:*}: $n"
done
grep -q '<li>Zeile 7: Zieldurchgang „DNF“ nicht lesbar' <<<"$dom" || fail "the list's unread line"
! grep -Eq '<script|(src|href)="[a-z]+:' "$tree/Daten/Demo08-Uebersicht.html" || fail "script or outside file"
if [ -n "${2:-}" ]; then
  chrome --screenshot="$2" --window-size=1400,1000 --hide-scrollbars "$page" >/dev/null
  [ -s "$2" ] || fail "no screenshot"
fi

# Three days: the timeline's labels name the days, and there are about a dozen.
"$generator" "$tree/Daten" --name=Drei --days=3 --yachts=12 --zielzeiten >/dev/null
uebersicht Drei.rsd
dom=$(chrome --dump-dom "file://$tree/Daten/Drei-Uebersicht.html")
labels=$(count 'print "$1\n" while /<text[^>]*text-anchor="[a-z]+">([^<]*)</g')
[ "$(grep -cx -e "Sa 14.06. 12:00" -e "So 15.06. 00:00" -e "Mo 16.06. 12:00" <<<"$labels")" = 3 ] || fail "labels: $labels"
[ "$(wc -l <<<"$labels")" -le 13 ] || fail "too many labels: $labels"
