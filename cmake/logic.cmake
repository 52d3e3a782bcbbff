# What both trees share, included once a tree has set its own compile options and made its JPEG
# and PNG libraries the targets JPEG::JPEG and PNG::PNG: GoogleTest built with those options, then our own code's options
# and the portable logic library.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
piktoran_own_code()

include(src/portable_sources.cmake)
add_library(piktoran_logic STATIC ${PORTABLE_SOURCES})
target_include_directories(piktoran_logic PUBLIC ${CMAKE_SOURCE_DIR}/src)
# The picture codecs are portable logic too.
target_link_libraries(piktoran_logic PUBLIC JPEG::JPEG PNG::PNG)
