#!/usr/bin/env bash
# The download is the same bytes however often it is made: PIKTORAN.EXE linked again from the same
# objects, packed with its side files copied elsewhere at another time, gives the zip of the build
# tree's package. Its program carries no link time stamp and no build path, and names the debug
# file beside the zip by name and checksum; that file reads a code address back to our source line.
#   reproducible.sh WIN_BUILD_DIR PACKAGE_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
build=$(realpath "$1")
package=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

# Ninja's own link command for the program, writing into another folder.
link=$(cd "$build" && ninja -t commands PIKTORAN.EXE | tail -n 1)
[[ "$link" == *" -o PIKTORAN.EXE "* ]] || fail "no link command for PIKTORAN.EXE: $link"
mkdir "$work/again"
(cd "$build" && eval "${link/ -o PIKTORAN.EXE / -o $work/again/PIKTORAN.EXE }")
cp "$build"/PIKTORAN.{HLP,HTM,TXT} "$work/again/"
touch -d '2001-02-03 04:05:06' "$work/again"/*
"$repo_root/scripts/lib/make-package.sh" "$work/again" "$work/package"
for file in "$package"/*; do
  cmp "$file" "$work/package/${file##*/}" || fail "${file##*/} differs when made again"
done

zip=$(echo "$package"/piktoran-*.zip)
unzip -q "$zip" -d "$work/unpacked"
exe=$(echo "$work"/unpacked/piktoran-*/PIKTORAN.EXE)
debug=$package/PIKTORAN.EXE.debug
size=$(stat -c %s "$exe")
[ "$size" -lt $((2560 * 1024)) ] || fail "PIKTORAN.EXE is $size bytes"
# Little-endian 32-bit numbers: the PE header's offset at 60, its TimeDateStamp 8 bytes into it.
u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
[ "$(u32 "$exe" "$(($(u32 "$exe" 60) + 8))")" = 0 ] || fail "the PE header of PIKTORAN.EXE carries a time stamp"
for path in "$repo_root" "$build" "$jpeg_prefix"; do
  ! grep -qF "$path" "$exe" "$debug" || fail "a build path is left: $path"
done

# .gnu_debuglink: the file name, padding, and the CRC-32 that gzip's trailer also carries.
x86_64-w64-mingw32-objcopy --dump-section .gnu_debuglink="$work/link" "$exe"
[ "$(head -c 18 "$work/link")" = "PIKTORAN.EXE.debug" ] || fail "the program does not name PIKTORAN.EXE.debug"
[ "$(u32 "$work/link" $(($(stat -c %s "$work/link") - 4)))" = "$(gzip -c "$debug" | tail -c 8 | od -An -t u4 -N 4 | tr -d ' ')" ] ||
  fail "the debug link's checksum is not PIKTORAN.EXE.debug's"
address=$(x86_64-w64-mingw32-nm "$debug" | awk '$3 == "WinMain" { print $1 }')
line=$(x86_64-w64-mingw32-addr2line -e "$debug" "0x$address")
# One way of naming the sources, with a compiler cache's relative paths or without: no "//".
[[ "$line" == *src/app/main.cpp:[0-9]* && "$line" != *//* ]] || fail "WinMain's address reads back as $line"
echo "package reproducible: $(cd "$package" && cat SHA256SUMS)"
