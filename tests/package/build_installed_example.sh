#!/bin/sh
# Installs the build into a temporary prefix, builds examples/login against
# the installed package (not against the build tree), once with CMake's
# find_package (where opalinekit_add_forms makes login_form.h) and once with
# pkg-config (where the installed okit header does), and checks that what
# each renders headless matches the golden image.
#
# usage: build_installed_example.sh BUILD_DIR SOURCE_DIR
set -eu

BUILD=$1
SOURCE=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null
cmake -S "$SOURCE/examples/login" -B "$WORK/login" -DCMAKE_PREFIX_PATH="$WORK/prefix" \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$WORK/login" >/dev/null
PKG_CONFIG_PATH="$WORK/prefix/lib/pkgconfig"
export PKG_CONFIG_PATH
# Without CMake the program's build runs the installed okit for the header
# that opalinekit_add_forms makes in the CMake build.
mkdir "$WORK/forms"
"$WORK/prefix/bin/okit" header "$SOURCE/examples/login/login.frm" -o "$WORK/forms/login_form.h"
# shellcheck disable=SC2046 # pkg-config's flags are meant to split
c++ -DLOGIN_FORM_FILE="\"$SOURCE/examples/login/login.frm\"" -I"$WORK/forms" "$SOURCE/examples/login/main.cpp" \
  $(pkg-config --cflags --libs opalinekit) -Wl,-rpath,"$WORK/prefix/lib" -o "$WORK/login-pkg-config"

GOLDEN="$SOURCE/tests/golden/login_example.png"
for program in "$WORK/login/login" "$WORK/login-pkg-config"; do
  "$program" --render "$WORK/login.png"
  differing=$(compare -metric AE "$WORK/login.png" "$GOLDEN" null: 2>&1) || true
  if [ "$differing" != "0" ]; then
    echo "login example ($program): $differing pixels differ from $GOLDEN" >&2
    exit 1
  fi
done
echo "login example: built against the installed package; its renders match"
