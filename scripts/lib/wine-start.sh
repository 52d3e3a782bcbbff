#!/usr/bin/env bash
# Starts the prefix's wineserver for the whole run and lets Wine's own helper processes
# (services, the desktop) start now, detached from any output pipe: started later by a test,
# they would hold the test's output open after it ends.
#   WINEPREFIX=... wine-start.sh
set -euo pipefail
source "$(dirname "$0")/common.sh"
wine_environment
in_wine wineserver -p >/dev/null 2>&1 </dev/null
in_wine wine cmd /c exit >/dev/null 2>&1 </dev/null
