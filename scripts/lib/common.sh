# Shared settings of the project scripts; sourced, not run.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cache_root=${PIKTORAN_CACHE:-/var/cache/piktoran}
build_root=${PIKTORAN_BUILD:-$repo_root/build}
jpeg_prefix=$cache_root/libjpeg-turbo-mingw64
png_prefix=$cache_root/libpng-mingw64
# libpng's test pictures, taken from the same source package.
pngsuite_dir=$cache_root/pngsuite
# The Debian 13 root that runs Wine 10 for the second end-to-end lane (wine10-root.sh); the stamp
# says it was finished.
wine10_root=$cache_root/wine10-root
wine10_stamp=$wine10_root/.piktoran-root-v1

say() { printf '== %s\n' "$*" >&2; }

# Runs a command with its output set aside; shows that output, and says what failed, only when it
# fails.
quietly() {
  local log status=0
  log=$(mktemp)
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    echo "failed (exit $status): $*" >&2
  fi
  rm -f "$log"
  return "$status"
}

# No Mono or Gecko installer prompts, no Linux menu entries for the shortcuts the program makes.
wine_dll_overrides="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine in Japanese, quiet, in the build tree's own prefix.
wine_environment() {
  export WINEPREFIX=${WINEPREFIX:-$build_root/wineprefix}
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-$wine_dll_overrides}
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  # A prefix with a screen of its own (own-display.sh) runs there.
  if [ -f "$WINEPREFIX.display" ]; then
    DISPLAY=$(cat "$WINEPREFIX.display")
    export DISPLAY
  fi
  if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run: no DISPLAY; run through scripts/test or scripts/run, which start a virtual screen" >&2
    exit 1
  fi
}

# Which Wine the scripts run: the machine's Wine 8, or, with PIKTORAN_WINE=10, Debian 13's Wine 10
# in its root (the second end-to-end lane). Each has its prepared prefix that every test prefix is
# copied from, and its virtual desktop's size; in_wine runs a command where that Wine is.
if [ "${PIKTORAN_WINE:-8}" = 10 ]; then
  wine_template=$build_root/wine10-template
  desktop_size=1920x1080
  wine_system=$wine10_root
  in_wine() { "$repo_root/scripts/lib/wine10-enter" "$@"; }
else
  wine_template=$build_root/wine-template
  desktop_size=1024x768
  wine_system=
  in_wine() { "$@"; }
fi
