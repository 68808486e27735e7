# Runs one scenario and compares its output with the expected file beside it.
get_filename_component(dir ${SCENARIO} DIRECTORY)
get_filename_component(name ${SCENARIO} NAME_WE)
set(expected_file ${dir}/${name}.out)
execute_process(COMMAND ${OKIT} script ${SCENARIO}
  WORKING_DIRECTORY ${dir}
  OUTPUT_VARIABLE actual RESULT_VARIABLE status ERROR_VARIABLE stderr_text)
file(READ ${expected_file} expected)
set(expected_status 0)
if(expected MATCHES "(^|\n)exit ([0-9]+)\n?$")
  set(expected_status ${CMAKE_MATCH_2})
  string(REGEX REPLACE "(^|\n)exit [0-9]+\n?$" "\\1" expected "${expected}")
endif()
if(NOT actual STREQUAL expected OR NOT status EQUAL expected_status)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
  message(FATAL_ERROR "scenario ${name}: exit ${status} (expected ${expected_status})\n"
    "--- expected\n${expected}--- actual\n${actual}--- stderr\n${stderr_text}")
endif()
