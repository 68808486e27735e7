# The web build: the library's layers and the web backend compiled with
# Emscripten into one WebAssembly runtime that a page loads (web/). It takes
# no FreeType, libpng or SDL2: the classic face's strike is rendered at build
# time by okit_strikegen, a program of the native build, and the skins are
# embedded as in every build. tools/build-web.sh builds it inside a native
# build tree, whose okit then finds the runtime in web-runtime/.

set(OKIT_STRIKEGEN "" CACHE FILEPATH "okit_strikegen of a native build")
set(OKIT_WEB_RUNTIME_DIR "${PROJECT_BINARY_DIR}/web-runtime" CACHE PATH "Where the runtime and its page go")
if(NOT EXISTS "${OKIT_STRIKEGEN}")
  message(FATAL_ERROR "The web build needs OKIT_STRIKEGEN, the okit_strikegen program of a native build: "
                      "build it with tools/build-web.sh")
endif()
include(cmake/strikes.cmake)
set(OKIT_STRIKES_SOURCE ${PROJECT_BINARY_DIR}/generated/classic_strike.cpp)
okit_render_strike(${OKIT_STRIKES_SOURCE} ${OKIT_STRIKEGEN})

# One program, no shared objects: nothing needs position-independent code.
set(CMAKE_POSITION_INDEPENDENT_CODE OFF)
# The host model reports run-time errors as exceptions. Emscripten's
# JavaScript-based exceptions, not the browser's own: with those, a program's
# Application::run can leave main for good (emscripten_exit_with_live_runtime)
# without destroying what main holds, so application code stays alive in the
# page as it does on the desktop.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

include(cmake/layers.cmake)
include(cmake/skins.cmake)

file(GLOB_RECURSE OKIT_HOST_SOURCES CONFIGURE_DEPENDS host/*.cpp)
list(FILTER OKIT_HOST_SOURCES EXCLUDE REGEX "/host/(font_face|module_loader)\\.cpp$")
okit_layer(okit_host SOURCES ${OKIT_HOST_SOURCES} ${OKIT_STRIKES_SOURCE} USES host)
okit_embed_skins(okit_host)
include(cmake/library_layers.cmake)

file(GLOB OKIT_WEB_BACKEND_SOURCES CONFIGURE_DEPENDS backend/web/*.cpp)
okit_layer(okit_web_backend SOURCES ${OKIT_WEB_BACKEND_SOURCES} USES host backend/web)
# Application, as programs use it, running in the page.
okit_layer(okit_web_api SOURCES api/application.cpp api/web/application_web.cpp api/install_controls.cpp
           USES host library controls api backend/web)
set(OKIT_WEB_LAYERS okit_web_api okit_web_backend okit_controls okit_class_library okit_window_services okit_host)
set(OKIT_WEB_LINK_OPTIONS -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString)

# The page template: `okit web` fills in the form (and its title) a site
# runs; PROGRAM is the runtime or an application's own program.
function(okit_web_page folder program form_file title)
  set(PROGRAM ${program})
  set(FORM_FILE ${form_file})
  set(FORM_TITLE ${title})
  configure_file(${PROJECT_SOURCE_DIR}/web/index.html ${folder}/index.html @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/web/okit_page.js ${folder}/okit_page.js COPYONLY)
endfunction()

# The runtime: okit_runtime.js and okit_runtime.wasm, beside the page
# template and its script, which `okit web` copies into a site.
okit_layer(okit_web_runtime_layer SOURCES web/runtime.cpp USES host api backend/web)
add_executable(okit_runtime)
target_link_libraries(okit_runtime PRIVATE okit_web_runtime_layer ${OKIT_WEB_LAYERS})
target_link_options(okit_runtime PRIVATE --no-entry ${OKIT_WEB_LINK_OPTIONS})
set_target_properties(okit_runtime PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OKIT_WEB_RUNTIME_DIR})
okit_web_page(${OKIT_WEB_RUNTIME_DIR} okit_runtime @FORM_FILE@ @FORM_TITLE@)

# The login example's web build: its own main.cpp and login.frm, with the
# handlers running in the page. Its header comes from the native okit.
set(OKIT_NATIVE_OKIT "" CACHE FILEPATH "okit of a native build, which writes the example's form header")
if(EXISTS "${OKIT_NATIVE_OKIT}")
  set(login_source ${PROJECT_SOURCE_DIR}/examples/login)
  set(login_site ${PROJECT_BINARY_DIR}/login-site)
  set(login_header ${PROJECT_BINARY_DIR}/generated/login/login_form.h)
  add_custom_command(
    OUTPUT ${login_header}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/generated/login
    COMMAND ${OKIT_NATIVE_OKIT} header ${login_source}/login.frm -o ${login_header}
    DEPENDS ${login_source}/login.frm ${OKIT_NATIVE_OKIT}
    VERBATIM)
  add_executable(login ${login_source}/main.cpp ${login_header})
  target_include_directories(login PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated/login)
  target_compile_definitions(login PRIVATE LOGIN_FORM_FILE="/login.frm")
  target_link_libraries(login PRIVATE ${OKIT_WEB_LAYERS})
  target_link_options(login PRIVATE ${OKIT_WEB_LINK_OPTIONS} --embed-file ${login_source}/login.frm@/login.frm)
  set_target_properties(login PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${login_site})
  okit_web_page(${login_site} login "" "Sign in")
endif()
