#!/usr/bin/env bash
# Brings PREFIX back to the prepared template prefix: what a run changed, added or removed there
# (the registry files, the program's folders, whatever else) is put back as the template has it;
# the rest is left alone, so a reset costs a walk over the files instead of a copy of 700 MB.
# With PIKTORAN_WINE=10 the prefix and its template are Wine 10's.
#   fresh-prefix.sh PREFIX
set -euo pipefail
source "$(dirname "$0")/common.sh"
prefix=$(realpath -m "$1")
"$(dirname "$0")/wine-prefix.sh" "$wine_template"
# The prefix's wineserver writes the registry files when it ends: it must be gone first.
WINEPREFIX=$prefix in_wine wineserver -k >/dev/null 2>&1 || true
WINEPREFIX=$prefix in_wine wineserver -w >/dev/null 2>&1 || true
# rsync finds changed files by size and time; a file the run rewrote has a newer time.
rsync -a --delete "$wine_template/" "$prefix/"
