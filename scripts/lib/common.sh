# Shared settings of the project scripts; sourced, not run.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cache_root=${PIKTORAN_CACHE:-/var/cache/piktoran}
build_root=${PIKTORAN_BUILD:-$repo_root/build}
jpeg_prefix=$cache_root/libjpeg-turbo-mingw64

say() { printf '== %s\n' "$*" >&2; }
