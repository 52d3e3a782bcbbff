# Windows tree: PIKTORAN.EXE, the Windows tests and the end-to-end tests, all run through Wine.
# A static library that scripts/setup built for MinGW into `prefix`, as an imported target.
function(piktoran_mingw_library target prefix file)
  if(NOT EXISTS ${prefix}/lib/${file})
    message(FATAL_ERROR "${file} for MinGW is missing in ${prefix}: run scripts/setup")
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES
    IMPORTED_LOCATION ${prefix}/lib/${file}
    INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include
    INTERFACE_LINK_LIBRARIES "${ARGN}")
endfunction()
set(JPEG_PREFIX /var/cache/piktoran/libjpeg-turbo-mingw64 CACHE PATH "libjpeg-turbo built for MinGW by scripts/setup")
set(PNG_PREFIX /var/cache/piktoran/libpng-mingw64 CACHE PATH "libpng and zlib built for MinGW by scripts/setup")
piktoran_mingw_library(JPEG::JPEG ${JPEG_PREFIX} libjpeg.a)
piktoran_mingw_library(ZLIB::ZLIB ${PNG_PREFIX} libz.a)
piktoran_mingw_library(PNG::PNG ${PNG_PREFIX} libpng.a ZLIB::ZLIB)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Reproducible: the same sources give the same bytes wherever they are built. No link time stamp
# in the PE header; build paths in debug information and __FILE__ become paths relative to the
# build tree, which is also how a compiler cache that rewrites paths relative names them; the
# options are not recorded (a compiler cache passes them in another order).
add_link_options(LINKER:--no-insert-timestamp)
file(RELATIVE_PATH source_from_build ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
string(REGEX REPLACE "/$" "" source_from_build "${source_from_build}")  # "../../" otherwise
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${JPEG_PREFIX}=libjpeg-turbo\
;-ffile-prefix-map=${CMAKE_SOURCE_DIR}=${source_from_build};-ffile-prefix-map=${CMAKE_BINARY_DIR}=.\
;-gno-record-gcc-switches>")

# The build-time tools run on the build machine, so they are compiled with the host compiler.
find_program(HOST_CXX NAMES g++ c++ REQUIRED)

include(cmake/logic.cmake)
include(cmake/suite_tests.cmake)

include(src/windows_sources.cmake)
add_library(piktoran_win STATIC ${WINDOWS_SOURCES})
target_include_directories(piktoran_win PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(piktoran_win PUBLIC piktoran_logic
  user32 gdi32 comdlg32 shell32 shlwapi advapi32 ole32 comctl32 mpr)

enable_language(RC)
add_subdirectory(resources)
add_executable(piktoran WIN32 src/app/main.cpp ${PIKTORAN_RESOURCES})
set_target_properties(piktoran PROPERTIES OUTPUT_NAME PIKTORAN SUFFIX .EXE)
target_link_libraries(piktoran PRIVATE piktoran_win)
add_dependencies(piktoran piktoran_icon)

# What the Windows and the end-to-end tests share: screenshots of what the screen shows, and
# replacing what a program imports.
add_library(test_support STATIC tests/support/screenshot.cpp tests/support/import_slot.cpp)
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(test_support PUBLIC user32 gdi32)

add_subdirectory(tests/win)
add_subdirectory(tests/package)
add_subdirectory(tests/e2e)

# The benchmarks run under Wine through scripts/bench-capture, scripts/bench-cursors,
# scripts/bench-editing, scripts/bench-copy and scripts/bench-browser; CTest does not run them.
add_executable(capture_bench bench/capture_bench.cpp)
target_link_libraries(capture_bench PRIVATE piktoran_win)
add_executable(cursor_list_bench bench/cursor_list_bench.cpp)
target_link_libraries(cursor_list_bench PRIVATE piktoran_win test_support)
add_executable(file_copy_bench bench/file_copy_bench.cpp)
target_link_libraries(file_copy_bench PRIVATE piktoran_win)
add_executable(editing_bench bench/editing_bench.cpp)
target_link_libraries(editing_bench PRIVATE piktoran_win test_support)
add_executable(browser_fill_bench bench/browser_fill_bench.cpp)
target_link_libraries(browser_fill_bench PRIVATE piktoran_win)
