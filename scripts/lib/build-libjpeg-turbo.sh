#!/usr/bin/env bash
# Builds libjpeg-turbo (static, SIMD on) for MinGW-w64 from Debian's source package.
set -euo pipefail
source "$(dirname "$0")/common.sh"

[ -f "$jpeg_prefix/lib/libjpeg.a" ] && [ -f "$jpeg_prefix/include/jpeglib.h" ] && exit 0

# apt-get source needs deb-src entries: mirror the machine's own deb entries.
src_list=/etc/apt/sources.list.d/piktoran-deb-src.sources
if ! apt-get source --print-uris libjpeg-turbo >/dev/null 2>&1; then
  say "adding deb-src entries derived from the machine's apt sources"
  : >"$src_list.tmp"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && [ "$f" != "$src_list" ] || continue
    sed -n 's/^Types:.*\bdeb\b.*/Types: deb-src/;p' "$f" >>"$src_list.tmp"
    echo >>"$src_list.tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/piktoran-deb-src.list || true
  fi
  mv "$src_list.tmp" "$src_list"
  apt-get update -qq
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
say "building libjpeg-turbo for MinGW-w64 into $jpeg_prefix"
(cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
srcdir=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
[ -n "$srcdir" ] || { echo "apt-get source libjpeg-turbo gave no source tree" >&2; exit 1; }

cat >"$work/toolchain.cmake" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
TC
cmake -S "$srcdir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$jpeg_prefix.tmp" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DWITH_TURBOJPEG=OFF -DCMAKE_ASM_NASM_COMPILER=nasm >/dev/null
cmake --build "$work/build" >/dev/null
rm -rf "$jpeg_prefix.tmp"
cmake --install "$work/build" >/dev/null
mkdir -p "$cache_root"
rm -rf "$jpeg_prefix"
mv "$jpeg_prefix.tmp" "$jpeg_prefix"
say "libjpeg-turbo ready in $jpeg_prefix"
