#!/usr/bin/env bash
# Renders the quick guide's drawings with headless Chromium:
#   tools/guide/render.sh    (writes docs/bilder/shortcut-properties.png)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$profile" --hide-scrollbars \
  --window-size=480,436 --screenshot="$here/docs/bilder/shortcut-properties.png" \
  "file://$here/tools/guide/shortcut-properties.html" >/dev/null 2>&1
echo "docs/bilder/shortcut-properties.png"
