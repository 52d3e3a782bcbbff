# Sourced (after common.sh): fetch_png_sources DIR unpacks Debian's zlib and libpng source
# packages into DIR and sets zlib_src and png_src to their source trees.
source "$(dirname "${BASH_SOURCE[0]}")/debian-source.sh"
fetch_png_sources() {
  zlib_src=$(fetch_debian_source zlib "$1")
  png_src=$(fetch_debian_source libpng1.6 "$1")
}
