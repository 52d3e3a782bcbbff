# Sourced: configures and builds both trees (incremental).

# True when the tree has been configured with every one of these -DNAME=VALUE settings.
configured_with() {
  local tree=$1 setting name
  shift
  [ -f "$tree/build.ninja" ] || return 1
  for setting in "$@"; do
    name=${setting#-D}
    name=${name%%=*}
    [ "$(sed -n "s/^$name:[A-Z]*=//p" "$tree/CMakeCache.txt")" = "${setting#*=}" ] || return 1
  done
}

# Configures the tree unless it already stands so: its ninja file reruns CMake by itself when a
# CMake file changes, so a second run only builds.
#   configure_tree TREE -DNAME=VALUE...
configure_tree() {
  local tree=$1
  shift
  configured_with "$tree" "$@" || cmake -S "$repo_root" -B "$tree" -G Ninja -Wno-dev "$@" >/dev/null
}

build_all() {
  configure_tree "$build_root/native" -DPNGSUITE_DIR="$pngsuite_dir"
  cmake --build "$build_root/native"
  configure_tree "$build_root/win" -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64.cmake" \
    -DJPEG_PREFIX="$jpeg_prefix" -DPNG_PREFIX="$png_prefix"
  cmake --build "$build_root/win"
  # One CTest run covers both trees.
  printf 'subdirs("native" "win")\n' >"$build_root/CTestTestfile.cmake"
}
