#!/usr/bin/env bash
# Gives PREFIX a fresh copy of the prepared template prefix (any earlier state is dropped).
#   fresh-prefix.sh PREFIX
set -euo pipefail
source "$(dirname "$0")/common.sh"
prefix=$(realpath -m "$1")
"$(dirname "$0")/wine-prefix.sh" "$wine_template"
WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix"
cp -a "$wine_template" "$prefix"
