#!/usr/bin/env bash
# Makes the download for Windows users from a Windows build tree: piktoran-<version>.zip with one
# folder piktoran-<version>/ holding PIKTORAN.EXE without its debug information, PIKTORAN.HLP,
# PIKTORAN.HTM and PIKTORAN.TXT; beside it PIKTORAN.EXE.debug, which the stripped program names,
# so a crash address can still be read, and SHA256SUMS. The same inputs give the same bytes: every
# date is the commit's (or SOURCE_DATE_EPOCH), the order and the modes are fixed.
#   make-package.sh WIN_BUILD_DIR OUTPUT_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
from=$(realpath "$1")
out=$2
# objcopy stamps each PE file it writes with the time, or with SOURCE_DATE_EPOCH when set: 0, no
# time stamp, as the linker leaves it.
objcopy() { SOURCE_DATE_EPOCH=0 x86_64-w64-mingw32-objcopy "$@"; }

version=$(sed -n 's/.*ProgramVersion = \([0-9]*\)\([0-9]\);.*/\1.\2/p' "$repo_root/src/common/program_identity.h")
[ -n "$version" ] || { echo "make-package.sh: no ProgramVersion in src/common/program_identity.h" >&2; exit 1; }
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$repo_root" log -1 --format=%ct 2>/dev/null) ||
    { echo "make-package.sh: not a git checkout; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
for file in PIKTORAN.EXE PIKTORAN.HLP PIKTORAN.HTM PIKTORAN.TXT; do
  [ -f "$from/$file" ] || { echo "make-package.sh: $from/$file is missing; build first" >&2; exit 1; }
done

name=piktoran-$version
debug=PIKTORAN.EXE.debug
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/$name"
# libjpeg-turbo's assembled objects name their sources by absolute path in the symbol table (a
# temporary folder of the machine that built it): those names go, the rest stays.
objcopy --only-keep-debug --wildcard --strip-symbol='/*' "$from/PIKTORAN.EXE" "$work/$debug"
# The debug link holds the file's name and checksum; objcopy reads the file from the working folder.
(cd "$work" && objcopy --strip-all --add-gnu-debuglink="$debug" "$from/PIKTORAN.EXE" "$name/PIKTORAN.EXE")
cp "$from/PIKTORAN.HLP" "$from/PIKTORAN.HTM" "$from/PIKTORAN.TXT" "$work/$name/"
chmod 0755 "$work/$name"
chmod 0644 "$work/$name"/* "$work/$debug"
touch -d "@$SOURCE_DATE_EPOCH" "$work/$name" "$work/$name"/* "$work/$debug"
# zip stores local times: UTC makes them the same everywhere; -X leaves out owners and extra times.
(cd "$work" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$name.zip")
(cd "$work" && sha256sum "$name.zip" "$debug" >SHA256SUMS)

mkdir -p "$out"
mv -f "$work/$name.zip" "$work/$debug" "$work/SHA256SUMS" "$out/"
