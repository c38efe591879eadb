#!/usr/bin/env bash
# Prepares a Debian 12 machine (as root) for building and running Vantoril:
# system packages, the zh_CN.UTF-8 locale, and the cross-built static
# dependencies (libjpeg-turbo, GoogleTest) for both MinGW-w64 targets.
# Idempotent: a second run that finds everything in place takes a few seconds.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VANTORIL_BUILD:-$root/build}
deps=$build/deps
mkdir -p "$deps"

packages=(
  cmake ninja-build make pkg-config dpkg-dev nasm
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64
  wine64 xvfb xdotool x11-utils imagemagick
  fonts-wqy-microhei fonts-wine locales
  clang libclang-rt-14-dev python3 python3-pil
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine reads Unix file names and arguments through the glibc locale; without
# zh_CN.UTF-8 Chinese names arrive mangled.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# Source packages come through a private apt configuration, so the machine's
# own sources list stays untouched.
apt_src() {
  local state=$deps/apt
  mkdir -p "$state/lists/partial" "$state/etc"
  if [ ! -s "$state/etc/sources.list" ]; then
    echo "deb-src http://deb.debian.org/debian bookworm main" >"$state/etc/sources.list"
  fi
  local opts=(-o "Dir::Etc::SourceList=$state/etc/sources.list" -o "Dir::Etc::SourceParts=/nonexistent"
              -o "Dir::State::Lists=$state/lists" -o "APT::Get::Only-Source=true")
  if ! ls "$state/lists/"*Sources* >/dev/null 2>&1; then
    apt-get "${opts[@]}" update -qq
  fi
  (cd "$deps/src" && apt-get "${opts[@]}" source -qq --download-only "$@" >/dev/null 2>&1 || \
                     apt-get "${opts[@]}" source -qq "$@" >/dev/null)
}

fetch_source() { # name -> prints the unpacked directory
  local name=$1 dir
  mkdir -p "$deps/src"
  dir=$(find "$deps/src" -maxdepth 1 -type d -name "$name-[0-9]*" | head -1)
  if [ -z "$dir" ]; then
    apt_src "$name"
    local dsc
    dsc=$(ls "$deps/src/${name}_"*.dsc | head -1)
    (cd "$deps/src" && dpkg-source -x --skip-patches "$dsc" >/dev/null 2>&1 || dpkg-source -x "$dsc" >/dev/null)
    dir=$(find "$deps/src" -maxdepth 1 -type d -name "$name-[0-9]*" | head -1)
  fi
  echo "$dir"
}

cross_build() { # name arch extra-cmake-args...
  local name=$1 arch=$2; shift 2
  local prefix=$deps/$arch
  local stamp=$prefix/.$name-built
  [ -f "$stamp" ] && return 0
  local src
  src=$(fetch_source "$name")
  echo "setup: cross-building $name for $arch"
  local bdir=$deps/build-$name-$arch
  rm -rf "$bdir"
  cmake -S "$src" -B "$bdir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$bdir.log" 2>&1 || { cat "$bdir.log"; exit 1; }
  cmake --build "$bdir" >>"$bdir.log" 2>&1 || { tail -50 "$bdir.log"; exit 1; }
  cmake --install "$bdir" >>"$bdir.log" 2>&1
  touch "$stamp"
}

for arch in i686 x86_64; do
  cross_build libjpeg-turbo "$arch" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=OFF
  cross_build googletest "$arch" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
done
echo "setup: ready"
