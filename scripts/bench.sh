#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its figures.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" >/dev/null || exit 1
source "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start yes
b=$build/x86_64/bench
status=0
"$WINE64" "$b/bench_copy_cpu.exe" || status=1
"$WINE64" "$b/bench_drop_scaling.exe" || status=1
"$WINE64" "$b/bench_startup.exe" "$(winpath "$build/x86_64/bin/Vantoril.exe")" "$(winpath "$b/bench_bare_window.exe")" 7 ||
  status=1

# One 256 MiB file: the run's copy step against cp, in the same run.
tmp=$(mktemp -d "$build/bench.XXXXXX")
head -c $((256 << 20)) /dev/urandom >"$tmp/big.fne"
cat "$tmp/big.fne" >/dev/null
step=$("$WINE64" "$b/bench_copy_step.exe" "$(winpath "$tmp/big.fne")" "$(winpath "$tmp/copy.fne")" | tr -d '\r')
rm -f "$tmp/copy.fne"
t0=$(date +%s.%N); cp "$tmp/big.fne" "$tmp/cp.fne"; t1=$(date +%s.%N)
awk -v s="$step" -v a="$t0" -v b="$t1" \
  'BEGIN { printf "copy of 256 MiB: copy step %.3f s, cp %.3f s, ratio %.2f\n", s, b - a, s / (b - a) }'
rm -rf "$tmp"
exit $status
