# The help file writer: portable, used by the build-time tool make_help (host compiler) and the
# native tests; the program itself does not need it.
set(HELP_SOURCES
  ${CMAKE_SOURCE_DIR}/src/help/context_hash.cpp
  ${CMAKE_SOURCE_DIR}/src/help/help_source.cpp
  ${CMAKE_SOURCE_DIR}/src/help/btree_writer.cpp
  ${CMAKE_SOURCE_DIR}/src/help/help_container.cpp
  ${CMAKE_SOURCE_DIR}/src/help/topic_writer.cpp
  ${CMAKE_SOURCE_DIR}/src/help/help_file_writer.cpp
  ${CMAKE_SOURCE_DIR}/src/help/help_html_writer.cpp
  ${CMAKE_SOURCE_DIR}/src/help/help_text.cpp
)
set(HELP_HEADERS
  ${CMAKE_SOURCE_DIR}/src/help/context_hash.h
  ${CMAKE_SOURCE_DIR}/src/help/help_document.h
  ${CMAKE_SOURCE_DIR}/src/help/help_source.h
  ${CMAKE_SOURCE_DIR}/src/help/help_bytes.h
  ${CMAKE_SOURCE_DIR}/src/help/btree_writer.h
  ${CMAKE_SOURCE_DIR}/src/help/help_container.h
  ${CMAKE_SOURCE_DIR}/src/help/topic_writer.h
  ${CMAKE_SOURCE_DIR}/src/help/help_file_writer.h
  ${CMAKE_SOURCE_DIR}/src/help/help_html_writer.h
  ${CMAKE_SOURCE_DIR}/src/help/help_text.h
)
