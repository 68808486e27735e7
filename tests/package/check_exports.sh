#!/bin/sh
# The shared libraries export the API and nothing of the machinery behind it:
# a class or function that lost its hidden visibility (a stray OKIT_EXPORT,
# a layer built without the preset) shows up here by name, and so does an
# API class that lost its marker.
# Usage: check_exports.sh CORE_LIBRARY APPLICATION_LIBRARY
set -eu
internal=' [A-Za-z] (okit::(Canvas|Font|FontFace|FrameBuffer|FormBlock)::|okit::(decode_bmp|skin_picture|paint_tree)\()'
status=0

check() { # LIBRARY SYMBOL-THAT-MUST-BE-THERE...
  library=$1; shift
  exported=$(nm -DC --defined-only "$library")
  if leaks=$(printf '%s\n' "$exported" | grep -E "$internal"); then
    printf '%s exports internals:\n%s\n' "$library" "$leaks" >&2
    status=1
  fi
  for api in "$@"; do
    printf '%s\n' "$exported" | grep -qF "$api" || { echo "$library does not export $api" >&2; status=1; }
  done
}

check "$1" 'okit::Form::Form(' 'okit::cmd_Opaline_Button::cmd_Opaline_Button(' 'typeinfo for okit::RuntimeError'
check "$2" 'okit::Application::Application('
exit $status
