#!/bin/sh
# Unpacks the Debian package into a scratch folder (no installation), checks
# that it holds every part a user needs, runs its okit, and builds the login
# example against the unpacked tree with CMake; the example's headless render
# must match the golden image.
#
# usage: check_deb.sh OPALINEKIT.deb SOURCE_DIR
set -eu

DEB=$1
SOURCE=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

dpkg -x "$DEB" "$WORK/root"
ROOT="$WORK/root/usr"
for part in lib/libOpalineKit.so.8 lib/libOpalineKitApplication.so.8 include/OpalineKit/api/opalinekit.h \
            lib/cmake/OpalineKit/OpalineKitConfig.cmake lib/pkgconfig/opalinekit.pc bin/okit \
            share/OpalineKit/skins/button/c1.bmp share/man/man1/okit.1 share/bash-completion/completions/okit; do
  if [ ! -e "$ROOT/$part" ]; then
    echo "$DEB: no /usr/$part" >&2
    exit 1
  fi
done
missing=$(dpkg-deb -f "$DEB" Depends | tr ',' '\n' | grep -c -e libfreetype -e libpng -e libsdl2 -e fonts-wine || true)
if [ "$missing" -ne 4 ]; then
  echo "$DEB: run-time dependencies not all declared: $(dpkg-deb -f "$DEB" Depends)" >&2
  exit 1
fi
"$ROOT/bin/okit" --version

cmake -S "$SOURCE/examples/login" -B "$WORK/login" -DCMAKE_PREFIX_PATH="$ROOT" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$WORK/login" >/dev/null
"$WORK/login/login" --render "$WORK/login.png"
differing=$(compare -metric AE "$WORK/login.png" "$SOURCE/tests/golden/login_example.png" null: 2>&1) || true
if [ "$differing" != "0" ]; then
  echo "login example built against $DEB: $differing pixels differ from the golden image" >&2
  exit 1
fi
echo "Debian package: complete; the login example builds against it and renders as it should"
