# The web build: the library's layers and the web backend compiled with
# Emscripten into one WebAssembly runtime that a page loads (web/). It takes
# no FreeType, libpng or SDL2: the classic face's strike is rendered at build
# time by okit_strikegen, a program of the native build, and the skins are
# embedded as in every build. tools/build-web.sh builds it inside a native
# build tree, whose okit then finds the runtime in web-runtime/.

set(OKIT_STRIKEGEN "" CACHE FILEPATH "okit_strikegen of a native build")
set(OKIT_CLASSIC_FACE "/usr/share/wine/fonts/ms_sans_serif.ttf" CACHE FILEPATH "The classic face's font file")
set(OKIT_WEB_RUNTIME_DIR "${PROJECT_BINARY_DIR}/web-runtime" CACHE PATH "Where the runtime and its page go")
if(NOT EXISTS "${OKIT_STRIKEGEN}")
  message(FATAL_ERROR "The web build needs OKIT_STRIKEGEN, the okit_strikegen program of a native build: "
                      "build it with tools/build-web.sh")
endif()
set(OKIT_STRIKES_SOURCE ${PROJECT_BINARY_DIR}/generated/classic_strike.cpp)
add_custom_command(
  OUTPUT ${OKIT_STRIKES_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/generated
  COMMAND ${OKIT_STRIKEGEN} ${OKIT_CLASSIC_FACE} ${OKIT_STRIKES_SOURCE}
  DEPENDS ${OKIT_STRIKEGEN} ${OKIT_CLASSIC_FACE}
  COMMENT "Rendering the classic face's strike"
  VERBATIM)

# One program, no shared objects: nothing needs position-independent code.
set(CMAKE_POSITION_INDEPENDENT_CODE OFF)
# The host model reports run-time errors as exceptions; the browser's own
# exception handling keeps them small and fast.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

include(cmake/layers.cmake)
include(cmake/skins.cmake)

file(GLOB_RECURSE OKIT_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
list(FILTER OKIT_HOST_SOURCES EXCLUDE REGEX "/host/(font_face|module_loader)\\.cpp$")
okit_layer(okit_host SOURCES ${OKIT_HOST_SOURCES} ${OKIT_STRIKES_SOURCE} USES host)
okit_embed_skins(okit_host)
include(cmake/library_layers.cmake)

file(GLOB OKIT_WEB_BACKEND_SOURCES CONFIGURE_DEPENDS backend/web/*.cpp)
okit_layer(okit_web_backend SOURCES ${OKIT_WEB_BACKEND_SOURCES} USES host backend/web)
okit_layer(okit_web_runtime_layer SOURCES web/runtime.cpp api/install_controls.cpp
           USES host library controls api backend/web)

# The runtime: okit_runtime.js and okit_runtime.wasm, beside the page
# template and its script, which `okit web` copies into a site.
add_executable(okit_runtime)
target_link_libraries(okit_runtime PRIVATE okit_web_runtime_layer okit_web_backend okit_controls
                                           okit_class_library okit_window_services okit_host)
target_link_options(okit_runtime PRIVATE --no-entry -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
                    -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString)
set_target_properties(okit_runtime PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OKIT_WEB_RUNTIME_DIR})
foreach(page_file IN ITEMS index.html okit_page.js)
  configure_file(web/${page_file} ${OKIT_WEB_RUNTIME_DIR}/${page_file} COPYONLY)
endforeach()
