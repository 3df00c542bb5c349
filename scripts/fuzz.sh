#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one for
# a bounded time from the seed corpus in tests/fuzz/corpus/<target>/.
# Fails on any crash, sanitizer report or hang.
#   FUZZ_SECONDS   time per target (default 30)
#   FUZZ_TARGETS   targets to run (default "scanner evaluation overview")
#   FUZZ_JOBS      build jobs (default 2)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
seconds="${FUZZ_SECONDS:-30}"
targets="${FUZZ_TARGETS:-scanner evaluation overview}"

mkdir -p "$build"
if ! { CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DWG_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build" -j"${FUZZ_JOBS:-2}" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
     } >"$build/build.log" 2>&1; then
    tail -n 40 "$build/build.log"
    echo "fuzz build FAILED"
    exit 1
fi

failed=0
for target in $targets; do
    # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
    work="$build/corpus-$target"
    mkdir -p "$work"
    echo "== fuzz_$target for ${seconds}s"
    if ! (cd "$build" && ./tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
            "$work" "$root/tests/fuzz/corpus/$target" 2>"$build/fuzz_$target.log"); then
        echo "fuzz_$target FAILED; see $build/fuzz_$target.log (reproducer in $build)"
        tail -n 40 "$build/fuzz_$target.log"
        failed=1
    else
        grep -E '^(stat::number_of_executed_units|Done)' "$build/fuzz_$target.log" || true
    fi
done
exit "$failed"
