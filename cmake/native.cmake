# Native tree: the portable logic and its unit tests under ASan and UBSan.
set(sanitizers -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${sanitizers})
add_link_options(${sanitizers})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
piktoran_own_code()

include(src/portable_sources.cmake)
add_library(piktoran_logic STATIC ${PORTABLE_SOURCES})
target_include_directories(piktoran_logic PUBLIC ${CMAKE_SOURCE_DIR}/src)
# The picture codecs use Debian's libjpeg-turbo, the same version the Windows tree builds.
find_package(JPEG REQUIRED)
target_link_libraries(piktoran_logic PUBLIC JPEG::JPEG)

add_subdirectory(tests/native)
add_subdirectory(fuzz)

# Benchmarks (not tests, CTest does not run them; scripts/bench does): bench/CMakeLists.txt
# drops the sanitizer options set above and builds them at -O2.
add_subdirectory(bench)
