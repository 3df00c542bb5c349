#!/usr/bin/env bash
# Puts the demo regatta Demo08 into the data folder $1, leaving files that are
# there already alone. GER12 goes with the simulated logger's race and waits
# for its readout; NED3 (evaluated), FRA7 (no finish crossing) and SWE5 are
# read out already, each with its fingerprint and the logger's coarse minutes,
# and SWE5 was edited since (its logger still says 45 minutes).
set -euo pipefail
demo="$(cd "$(dirname "$0")/.." && pwd)/tools/simulator/demo"
data=$1
mkdir -p "$data"
for f in "$demo"/*; do
  name=$(basename "$f")
  case "$name" in *.grobminuten) continue ;; esac  # only beside its own readout, below
  [ -f "$data/$name" ] && continue
  cp "$f" "$data/"
  case "$name" in *.yrd) (cd "$data" && sha256sum "$name" >"$name.sha256" && cp "$f.grobminuten" .) ;; esac
  if [ "$name" = Demo08-SWE5.yrd ]; then
    sed -i 's/Generator Aus : 14.06.08 Sa 10:45:00/Generator Aus : 14.06.08 Sa 10:05:00/' "$data/$name"
  fi
done
