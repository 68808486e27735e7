#!/bin/sh
# Installs the build into a temporary prefix, builds examples/login against
# the installed package (not against the build tree), and checks that what
# the example renders headless matches the golden image.
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
"$WORK/login/login" --render "$WORK/login.png"

GOLDEN="$SOURCE/tests/golden/login_example.png"
differing=$(compare -metric AE "$WORK/login.png" "$GOLDEN" null: 2>&1) || true
if [ "$differing" != "0" ]; then
  echo "login example: $differing pixels differ from $GOLDEN" >&2
  exit 1
fi
echo "login example: built against the installed package; its render matches"
