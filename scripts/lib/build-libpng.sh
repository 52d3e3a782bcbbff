#!/usr/bin/env bash
# Builds zlib and libpng (static, SSE2 filters on) for MinGW-w64 from Debian's source packages,
# and keeps libpng's PngSuite beside them for the native tests.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/libpng-source.sh"

[ -f "$png_prefix/lib/libpng.a" ] && [ -f "$png_prefix/lib/libz.a" ] && [ -f "$png_prefix/include/png.h" ] &&
  [ -f "$pngsuite_dir/basn0g01.png" ] && [ -d "$pngsuite_dir/crashers" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
say "building zlib and libpng for MinGW-w64 into $png_prefix"
fetch_png_sources "$work"
rm -rf "$png_prefix.tmp"
mkdir -p "$png_prefix.tmp/lib" "$png_prefix.tmp/include"

(cd "$zlib_src" && CHOST=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix CFLAGS=-O2 quietly ./configure --static)
quietly make -C "$zlib_src" libz.a
cp "$zlib_src/libz.a" "$png_prefix.tmp/lib/"
cp "$zlib_src/zlib.h" "$zlib_src/zconf.h" "$png_prefix.tmp/include/"

quietly cmake -S "$png_src" -B "$work/png-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$png_prefix.tmp" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
  -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=ON -DSKIP_INSTALL_PROGRAMS=ON \
  -DZLIB_LIBRARY="$png_prefix.tmp/lib/libz.a" -DZLIB_INCLUDE_DIR="$png_prefix.tmp/include"
quietly cmake --build "$work/png-build" --target png_static
cp "$work/png-build/libpng.a" "$png_prefix.tmp/lib/" 2>/dev/null ||
  cp "$work/png-build"/libpng16*.a "$png_prefix.tmp/lib/libpng.a"
cp "$png_src/png.h" "$png_src/pngconf.h" "$work/png-build/pnglibconf.h" "$png_prefix.tmp/include/"

rm -rf "$pngsuite_dir.tmp"
cp -r "$png_src/contrib/pngsuite" "$pngsuite_dir.tmp"
# Files that once crashed libpng: each must give a picture or a refusal, never a crash.
cp -r "$png_src/contrib/testpngs/crashers" "$pngsuite_dir.tmp/crashers"
mkdir -p "$cache_root"
rm -rf "$png_prefix" "$pngsuite_dir"
mv "$png_prefix.tmp" "$png_prefix"
mv "$pngsuite_dir.tmp" "$pngsuite_dir"
say "zlib and libpng ready in $png_prefix, PngSuite in $pngsuite_dir"
