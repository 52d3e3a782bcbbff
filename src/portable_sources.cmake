# Portable logic: no <windows.h> here. Compiled natively for the unit tests and into the
# Windows program as the same code.
set(PORTABLE_SOURCES
  ${CMAKE_SOURCE_DIR}/src/common/decimal.cpp
  ${CMAKE_SOURCE_DIR}/src/common/shift_jis.cpp
  ${CMAKE_SOURCE_DIR}/src/common/geometry.cpp
  ${CMAKE_SOURCE_DIR}/src/app/command_line.cpp
  ${CMAKE_SOURCE_DIR}/src/app/program_constants.cpp
  ${CMAKE_SOURCE_DIR}/src/workspace/settings.cpp
  ${CMAKE_SOURCE_DIR}/src/workspace/setting_captions.cpp
  ${CMAKE_SOURCE_DIR}/src/app/window_placement.cpp
  ${CMAKE_SOURCE_DIR}/src/app/position_hint.cpp
  ${CMAKE_SOURCE_DIR}/src/edit/transform.cpp
  ${CMAKE_SOURCE_DIR}/src/edit/scale_size.cpp
  ${CMAKE_SOURCE_DIR}/src/msgbox/box_pictures.cpp
  ${CMAKE_SOURCE_DIR}/src/msgbox/message_box_layout.cpp
  ${CMAKE_SOURCE_DIR}/src/msgbox/work_area.cpp
  ${CMAKE_SOURCE_DIR}/src/common/path_helpers.cpp
  ${CMAKE_SOURCE_DIR}/src/setup/setup_texts.cpp
  ${CMAKE_SOURCE_DIR}/src/setup/shortcut_paths.cpp
  ${CMAKE_SOURCE_DIR}/src/capture/capture_rectangle.cpp
  ${CMAKE_SOURCE_DIR}/src/capture/capture_captions.cpp
  ${CMAKE_SOURCE_DIR}/src/capture/value_entry.cpp
  ${CMAKE_SOURCE_DIR}/src/output/bmp_format.cpp
  ${CMAKE_SOURCE_DIR}/src/output/jpeg_codec.cpp
  ${CMAKE_SOURCE_DIR}/src/output/picture_bytes.cpp
)
