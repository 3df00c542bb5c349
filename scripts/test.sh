#!/usr/bin/env bash
# Sets up and runs every test tier: native unit tests, the same unit tests
# as a Windows build under Wine, and the end-to-end scenarios under Wine.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/setup.sh || exit 1
scripts/build.sh native win64 || { echo "build failed"; exit 1; }

passed=0
failed=0
tier() {
  local name=$1; shift
  echo "=== $name"
  local start=$SECONDS
  if "$@"; then
    passed=$((passed + 1)); echo "=== $name: ok ($((SECONDS - start)) s)"
  else
    failed=$((failed + 1)); echo "=== $name: FAILED ($((SECONDS - start)) s)"
  fi
}

source scripts/wine-env.sh
wg_wine_prefix_ready
tier "unit tests (native)" ctest --test-dir build/native --output-on-failure
tier "unit tests (Windows build under Wine)" "$WG_WINE64" build/win64/tests/wg_unit_tests.exe --gtest_brief=1
[ -x scripts/fuzz.sh ] && tier "fuzzing" scripts/fuzz.sh
tier "end to end (Wine)" scripts/e2e.sh --shots build/shots --filter "${WG_E2E_SCENARIOS:-}"
# The same program on an office PC whose system code page is not 1252, and on
# a display scaled to 150 %; each in a Wine prefix of its own.
tier "end to end on code page 1251" scripts/e2e.sh --code-page 1251 --shots build/shots-cp1251 \
  --filter "code page|shell:|regatta data"
tier "end to end at 144 dpi" scripts/e2e.sh --dpi 144 --shots build/shots-144dpi --filter "display scaling"

# The Windows package as shipped: its folder layout, its own settings file
# and program password, its 32-bit Wakeguard.exe on the main road and its
# Uebersicht.exe on a generated regatta and on the demo regatta.
release_package() {
  scripts/package.sh >/dev/null || return 1
  rm -rf build/release && mkdir -p build/release
  unzip -q dist/Wakeguard-*.zip -d build/release || return 1
  if ! scripts/can-run-32bit.sh; then
    echo "This machine's kernel cannot run 32-bit programs, so 32-bit Wine cannot either:"
    echo "the package is tested with the 64-bit builds of the same sources in place of its exes."
    cp build/win64/Wakeguard.exe build/win64/Uebersicht.exe build/release/Wakeguard/bin/
  fi
  scripts/e2e.sh --tree build/release/Wakeguard --password regatta --shots build/shots-release \
    --filter "${WG_RELEASE_SCENARIOS:-logger exchanges: ohne Stoerung|readout: logger read out|overview}"
}
tier "release package (as shipped)" release_package
# What the zip holds, and the manifest and version resource of both exes in it.
tier "release package: contents and resources" tests/package/check_package.py dist/Wakeguard-*.zip

echo "tiers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
