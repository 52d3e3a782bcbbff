# Native tree: the portable logic and its unit tests under ASan and UBSan.
set(sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${sanitizers})
add_link_options(${sanitizers})

# The picture codecs use Debian's libjpeg-turbo, libpng and zlib, the same versions the Windows
# tree builds.
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
# libpng's test pictures, which scripts/setup keeps beside the libraries it builds.
set(PNGSUITE_DIR /var/cache/piktoran/pngsuite CACHE PATH "PngSuite from Debian's libpng sources")
include(cmake/logic.cmake)
include(cmake/suite_tests.cmake)

add_subdirectory(tests/native)
add_subdirectory(fuzz)

# Benchmarks (not tests, CTest does not run them; scripts/bench does): bench/CMakeLists.txt
# drops the sanitizer options set above and builds them at -O2.
add_subdirectory(bench)
