# The classic face's strike as a C++ table (host/font_strikes.h), for builds
# that draw text without FreeType and for the test that holds the table
# against FreeType.
#
#   okit_render_strike(OUTPUT STRIKEGEN)
#
# makes OUTPUT with okit_strikegen; STRIKEGEN is its target in this build or
# the path of the one a native build made.

set(OKIT_CLASSIC_FACE "/usr/share/wine/fonts/ms_sans_serif.ttf" CACHE FILEPATH "The classic face's font file")

function(okit_render_strike output strikegen)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${strikegen} ${OKIT_CLASSIC_FACE} ${output}
    DEPENDS ${strikegen} ${OKIT_CLASSIC_FACE}
    COMMENT "Rendering the classic face's strike"
    VERBATIM)
endfunction()
