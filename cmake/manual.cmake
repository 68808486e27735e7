# The manual page okit.1, made at build time by help2man from okit's own
# `okit help --all`, so it says what the program says; and the bash
# completion script. `cmake --install` installs both where man and
# bash-completion look for them.

find_program(HELP2MAN help2man REQUIRED)
set(OKIT_MANUAL ${PROJECT_BINARY_DIR}/okit.1)
add_custom_command(OUTPUT ${OKIT_MANUAL}
  COMMAND ${HELP2MAN} --no-info --output=${OKIT_MANUAL} "--help-option=help --all"
          "--name=run, render, script, check and design OpalineKit form files" $<TARGET_FILE:okit>
  DEPENDS okit
  COMMENT "Writing the manual page okit.1"
  VERBATIM)
add_custom_target(okit_manual ALL DEPENDS ${OKIT_MANUAL})

install(FILES ${OKIT_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/app/completion/okit.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME okit)
