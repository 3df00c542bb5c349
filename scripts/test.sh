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
tier "end to end (Wine)" scripts/e2e.sh --shots build/shots

echo "tiers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
