# Runs one suite of a GoogleTest program with its JSON report written to REPORT, a path relative to
# the working directory. Fails only when the program ended without a report or with an exit code
# GoogleTest never gives (a crash): the single tests are judged from the report by result.cmake.
#   cmake -D EXECUTABLE=... -D EMULATOR=... -D SUITE=... -D REPORT=... -P run.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE "${REPORT}")
get_filename_component(folder "${REPORT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND ${EMULATOR} "${EXECUTABLE}" "--gtest_filter=${SUITE}.*" "--gtest_output=json:${REPORT}"
  RESULT_VARIABLE exit_code)
if(NOT EXISTS "${REPORT}" OR NOT exit_code MATCHES "^[01]$")
  message(FATAL_ERROR "${SUITE} ended without its report (exit code ${exit_code}): every test of it fails")
endif()
