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
  quietly apt-get update
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
say "building libjpeg-turbo for MinGW-w64 into $jpeg_prefix"
(cd "$work" && quietly apt-get source libjpeg-turbo) || {
  echo "apt-get source libjpeg-turbo failed: check the deb-src entries in $src_list" >&2
  exit 1
}
srcdir=$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
[ -n "$srcdir" ] || { echo "apt-get source libjpeg-turbo gave no source tree" >&2; exit 1; }

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
