# Compiles every control's skin files (controls/<control>/skins/*.bmp) into
# `target` as a generated source, so the library needs no files at run time.
# Adding, removing or editing a skin file regenerates the source on the next
# build.
function(okit_embed_skins target)
  file(GLOB skin_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/controls/*/skins/*.bmp)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/generated/embedded_skins.cpp)
  set(script ${PROJECT_SOURCE_DIR}/cmake/embed_skins.cmake)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DCONTROLS_DIR=${PROJECT_SOURCE_DIR}/controls -DOUTPUT=${output} -P ${script}
    DEPENDS ${skin_files} ${script}
    COMMENT "Embedding the control skins"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
