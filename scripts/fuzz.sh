#!/usr/bin/env bash
# Builds the pure code natively with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each fuzz target for a bounded time
# (FUZZ_SECONDS, default 60) from the committed corpus. A crash or a broken
# invariant fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTORIL_BUILD:-$root/build}
seconds=${FUZZ_SECONDS:-60}
if [ ! -f "$build/fuzz/build.ninja" ]; then
  cmake -S "$root/fuzz" -B "$build/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build "$build/fuzz" >/dev/null
for target in drop_text install_cut text_search; do
  work=$build/fuzz/corpus-$target
  mkdir -p "$work"
  log=$build/fuzz/$target.log
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 "$work" "$root/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $target FAILED"
    exit 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  echo "fuzz: $target passed, $runs executions in ${seconds} s"
done
