# Generates the header of every_kind.frm with okit and compiles a file that
# uses it (syntax only) in the GNU dialect, with warnings as errors.
#
#   cmake -DOKIT=... -DCXX=... -DSOURCE_DIR=... -DWORK_DIR=... -P compile_header.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${OKIT} header ${SOURCE_DIR}/tests/header/every_kind.frm -o ${WORK_DIR}/every_kind_form.h
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "okit header failed (${status}): ${errors}")
endif()
execute_process(
  COMMAND ${CXX} -std=gnu++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow -Werror
          -I${SOURCE_DIR} -I${WORK_DIR} ${SOURCE_DIR}/tests/header/use_every_kind.cpp
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generated header does not compile in gnu++20:\n${errors}")
endif()
