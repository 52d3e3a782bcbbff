# Sourced: configures and builds both trees (incremental).
build_all() {
  cmake -S "$repo_root" -B "$build_root/native" -G Ninja -Wno-dev -DPNGSUITE_DIR="$pngsuite_dir" >/dev/null
  cmake --build "$build_root/native"
  cmake -S "$repo_root" -B "$build_root/win" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64.cmake" -DJPEG_PREFIX="$jpeg_prefix" -DPNG_PREFIX="$png_prefix" >/dev/null
  cmake --build "$build_root/win"
  # One CTest run covers both trees.
  printf 'subdirs("native" "win")\n' >"$build_root/CTestTestfile.cmake"
}
