#!/usr/bin/env bash
# Configures and builds both targets: build/i686 (the shipped 32-bit program)
# and build/x86_64 (the same code, run and tested here under Wine).
# Extra arguments name the targets to build (default: all).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTORIL_BUILD:-$root/build}
for arch in i686 x86_64; do
  dir=$build/$arch
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DVANTORIL_DEPS="$build/deps/$arch" >/dev/null
  fi
  targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$dir" "${targets[@]}"
done
