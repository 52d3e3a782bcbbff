#!/usr/bin/env bash
# Builds libjpeg-turbo (static, SIMD on) for MinGW-w64 from Debian's source package.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/libjpeg-turbo-source.sh"

[ -f "$jpeg_prefix/lib/libjpeg.a" ] && [ -f "$jpeg_prefix/include/jpeglib.h" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
say "building libjpeg-turbo for MinGW-w64 into $jpeg_prefix"
srcdir=$(fetch_libjpeg_turbo_source "$work")

quietly cmake -S "$srcdir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$jpeg_prefix.tmp" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DWITH_TURBOJPEG=OFF -DCMAKE_ASM_NASM_COMPILER=nasm
quietly cmake --build "$work/build"
rm -rf "$jpeg_prefix.tmp"
quietly cmake --install "$work/build"
mkdir -p "$cache_root"
rm -rf "$jpeg_prefix"
mv "$jpeg_prefix.tmp" "$jpeg_prefix"
say "libjpeg-turbo ready in $jpeg_prefix"
