# opalinekit_add_forms(TARGET FORM.frm...)
#
# Gives TARGET a typed header for each form file: FORM.frm becomes
# FORM_form.h (the file name without its last extension, then "_form.h"),
# written by `okit header` at build time into TARGET's binary folder, in
# TARGET_forms/, which is added to TARGET's include path:
#
#   opalinekit_add_forms(login login.frm)      # then: #include "login_form.h"
#
# The header is made again whenever the form file or okit changes, so a
# control renamed in the designer turns a stale use in the program into a
# compile error. A form that does not load fails the build with
# "FILE:LINE: message". Relative paths are taken from the calling
# CMakeLists.txt's folder; call it where TARGET is made, since the rules that
# make the headers belong to that folder.
#
# okit is the installed one (OpalineKit::okit, from find_package(OpalineKit))
# or, inside the OpalineKit build tree, the one being built (okit).

function(opalinekit_add_forms target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "opalinekit_add_forms: no target named ${target}")
  endif()
  if(NOT ARGN)
    message(FATAL_ERROR "opalinekit_add_forms: name at least one form file after the target")
  endif()
  if(TARGET OpalineKit::okit)
    set(okit OpalineKit::okit)
  elseif(TARGET okit)
    set(okit okit)
  else()
    message(FATAL_ERROR "opalinekit_add_forms: no okit program; find_package(OpalineKit) first")
  endif()

  get_target_property(target_binary_dir ${target} BINARY_DIR)
  set(header_dir ${target_binary_dir}/${target}_forms)
  # okit writes next to the header and renames: the folder must be there.
  file(MAKE_DIRECTORY ${header_dir})
  foreach(form IN LISTS ARGN)
    get_filename_component(form_path ${form} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(form_stem ${form} NAME_WLE)
    set(header ${header_dir}/${form_stem}_form.h)
    add_custom_command(
      OUTPUT ${header}
      COMMAND ${okit} header ${form_path} -o ${header}
      DEPENDS ${form_path} ${okit}
      COMMENT "Generating ${form_stem}_form.h from ${form}"
      VERBATIM)
    target_sources(${target} PRIVATE ${header})
  endforeach()
  target_include_directories(${target} PRIVATE ${header_dir})
endfunction()
