#!/usr/bin/env bash
# Gives a Wine prefix a virtual screen of its own for the run, so that its programs share no
# pointer, focus or clipboard with the programs on the run's common screen and can run beside
# them. Wine's programs in that prefix find it through "<prefix>.display" (wine_environment). The
# screen is as large as the prefix's virtual desktop (1920x1080 with PIKTORAN_WINE=10).
#   own-display.sh start PREFIX    starts the screen (before the prefix's wineserver)
#   own-display.sh stop PREFIX     ends it
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
source "$here/display.sh"
prefix=$(realpath -m "$2")
case "$1" in
  start)
    "$0" stop "$prefix"
    start_virtual_display "${desktop_size}x24"
    echo "$DISPLAY" >"$prefix.display"
    echo "$xvfb_pid" >"$prefix.xvfb"
    ;;
  stop)
    [ -f "$prefix.xvfb" ] && kill "$(cat "$prefix.xvfb")" 2>/dev/null || true
    rm -f "$prefix.display" "$prefix.xvfb"
    ;;
  *)
    echo "usage: own-display.sh start|stop PREFIX" >&2
    exit 2
    ;;
esac
