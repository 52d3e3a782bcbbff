# Lists a GoogleTest program's tests (--gtest_list_tests, through EMULATOR) and writes the CTest
# file that runs each suite once (run.cmake, through RUN_EMULATOR) and judges each test from the
# suite's report (result.cmake). SUITES, when given, keeps only these suites.

function(suite_tests_quoted out)
  set(quoted "")
  foreach(value IN LISTS ARGN)
    string(APPEND quoted " [==[${value}]==]")
  endforeach()
  set(${out} "${quoted}" PARENT_SCOPE)
endfunction()

function(list_suite_tests)
  # The lists come flattened into the arguments.
  cmake_parse_arguments(arg "" "EXECUTABLE;PREFIX;WORKING_DIRECTORY;CMAKE;SCRIPTS;OUTPUT"
                        "EMULATOR;RUN_EMULATOR;SUITES;RUN_PROPERTIES" ${ARGN})
  execute_process(COMMAND ${arg_EMULATOR} "${arg_EXECUTABLE}" --gtest_list_tests
    WORKING_DIRECTORY "${arg_WORKING_DIRECTORY}" TIMEOUT 120
    OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE exit_code)
  if(NOT exit_code EQUAL 0)
    message(FATAL_ERROR "${arg_EXECUTABLE} --gtest_list_tests failed (${exit_code}):\n${listing}${errors}")
  endif()

  suite_tests_quoted(run_properties ${arg_RUN_PROPERTIES})
  set(script "")
  set(missing_suites ${arg_SUITES})
  # Lines are "Suite." (or "Prefix/Suite.  # TypeParam = ...") and "  Test" (or "  Test/0  # GetParam() = ...").
  string(REPLACE "\r" "" listing "${listing}")
  string(REPLACE ";" "" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE " *#.*" "" line "${line}")
    if(line MATCHES "^([^ ].*)\\.$")
      set(suite "${CMAKE_MATCH_1}")
      # (CTest reads this file without the policies that would allow IN_LIST.)
      list(FIND arg_SUITES "${suite}" found)
      set(taken TRUE)
      if(DEFINED arg_SUITES AND found EQUAL -1)
        set(taken FALSE)
        continue()
      endif()
      list(REMOVE_ITEM missing_suites "${suite}")
      string(MAKE_C_IDENTIFIER "${arg_PREFIX}${suite}" report_name)
      # Relative to the working directory: under Wine a Unix absolute path is no absolute Windows path.
      set(report "suite-results/${report_name}.json")
      set(run "${arg_PREFIX}${suite}")
      string(APPEND script
        "add_test([==[${run}]==] [==[${arg_CMAKE}]==] -D [==[EXECUTABLE=${arg_EXECUTABLE}]==]"
        " -D [==[EMULATOR=${arg_RUN_EMULATOR}]==] -D [==[SUITE=${suite}]==] -D [==[REPORT=${report}]==]"
        " -P [==[${arg_SCRIPTS}/run.cmake]==])\n"
        "set_tests_properties([==[${run}]==] PROPERTIES FIXTURES_SETUP [==[${run}]==]"
        " WORKING_DIRECTORY [==[${arg_WORKING_DIRECTORY}]==]${run_properties})\n")
    elseif(line MATCHES "^  +([^ ]+)$" AND DEFINED suite AND taken)
      set(test "${CMAKE_MATCH_1}")
      set(name "${arg_PREFIX}${suite}.${test}")
      string(APPEND script
        "add_test([==[${name}]==] [==[${arg_CMAKE}]==] -D [==[SUITE=${suite}]==] -D [==[TEST_NAME=${test}]==]"
        " -D [==[REPORT=${report}]==] -P [==[${arg_SCRIPTS}/result.cmake]==])\n"
        "set_tests_properties([==[${name}]==] PROPERTIES FIXTURES_REQUIRED [==[${run}]==]"
        " WORKING_DIRECTORY [==[${arg_WORKING_DIRECTORY}]==] SKIP_REGULAR_EXPRESSION [==[\\[  SKIPPED \\]]==])\n")
      if(suite MATCHES "^DISABLED_" OR test MATCHES "^DISABLED_")
        string(APPEND script "set_tests_properties([==[${name}]==] PROPERTIES DISABLED TRUE)\n")
      endif()
    endif()
  endforeach()
  # A suite asked for by name that the program lacks fails instead of running nothing.
  foreach(suite IN LISTS missing_suites)
    string(APPEND script "add_test([==[${arg_PREFIX}${suite}]==] [==[${suite} is not a suite of ${arg_EXECUTABLE}]==])\n")
  endforeach()
  file(WRITE "${arg_OUTPUT}" "${script}")
endfunction()
