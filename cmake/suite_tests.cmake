# GoogleTest programs that are slow to start (a Wine process can take a second or more): each
# suite runs once, in one process, as a CTest fixture that writes GoogleTest's JSON report, and
# every test is still a CTest test of its own that reads its result from that report. So CTest
# reports and selects (-R) each test by name, and a crashed suite fails all of its tests.
#
#   add_suite_tests(target PREFIX <prefix> [EMULATOR <command>...] [SUITES <suite>...]
#                   [RUN_PROPERTIES <CTest properties of each suite run>])
#
# The suite runs are named <prefix><Suite>, the tests <prefix><Suite>.<Test>. The tests are listed
# when CTest starts, from the program itself (run by the target's emulator), whenever it is newer
# than the last list. EMULATOR runs the suites through another command than the target's emulator
# (another Wine); SUITES takes only these suites of the program.
set(suite_tests_scripts ${CMAKE_CURRENT_LIST_DIR}/suite_tests)

function(add_suite_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "EMULATOR;SUITES;RUN_PROPERTIES")
  get_property(emulator TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR)
  set(run_emulator ${emulator})
  if(DEFINED arg_EMULATOR)
    set(run_emulator ${arg_EMULATOR})
  endif()
  # One program can be registered under several prefixes.
  string(MAKE_C_IDENTIFIER "${target}_${arg_PREFIX}" name)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}suite_tests.cmake)
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}suite_tests_include.cmake)
  file(GENERATE OUTPUT ${include_file} CONTENT "\
set(executable [==[$<TARGET_FILE:${target}>]==])
if(NOT EXISTS \"\${executable}\")
  add_test([==[${arg_PREFIX}NOT_BUILT]==] [==[${target} was not built]==])
  return()
endif()
if(NOT EXISTS [==[${list_file}]==] OR \"\${executable}\" IS_NEWER_THAN [==[${list_file}]==]
   OR [==[${include_file}]==] IS_NEWER_THAN [==[${list_file}]==]
   OR [==[${suite_tests_scripts}/list.cmake]==] IS_NEWER_THAN [==[${list_file}]==])
  include([==[${suite_tests_scripts}/list.cmake]==])
  list_suite_tests(
    EXECUTABLE \"\${executable}\" EMULATOR [==[${emulator}]==] RUN_EMULATOR [==[${run_emulator}]==]
    SUITES [==[${arg_SUITES}]==] PREFIX [==[${arg_PREFIX}]==]
    WORKING_DIRECTORY [==[$<TARGET_FILE_DIR:${target}>]==] CMAKE [==[${CMAKE_COMMAND}]==]
    SCRIPTS [==[${suite_tests_scripts}]==]
    OUTPUT [==[${list_file}]==] RUN_PROPERTIES [==[${arg_RUN_PROPERTIES}]==])
endif()
include([==[${list_file}]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
