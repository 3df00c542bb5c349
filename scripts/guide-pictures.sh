#!/usr/bin/env bash
# Renews the quick guide's pictures from the screenshots of the last test run
# (build/shots, build/shots-144dpi, ...): each is cut to the size its picture
# has now and reduced to 256 colours; the overview's page is taken whole.
# Pictures made otherwise (tools/guide/render.sh) are left as they are.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
for picture in docs/bilder/*.png; do
  name=$(basename "$picture")
  shot=$(ls build/shots/"$name" build/shots-*/"$name" 2>/dev/null | head -n 1 || true)
  [ -n "$shot" ] || continue
  if [ "$name" = overview.png ]; then
    cp "$shot" "$picture"
  else
    convert "$shot" -crop "$(identify -format '%wx%h' "$picture")+0+0" +repage -colors 256 "PNG8:$picture"
  fi
done
