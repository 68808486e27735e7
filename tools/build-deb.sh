#!/bin/sh
# Builds the Debian package opalinekit_VERSION_amd64.deb from a Release build
# of the library and okit (no tests or benchmarks) and prints its path.
#
# usage: tools/build-deb.sh [BUILD_DIR]     (default build-deb)
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build-deb}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DOKIT_BUILD_TESTS=OFF -DOKIT_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j2 >&2
(cd "$BUILD" && cpack -G DEB >/dev/null)
ls "$(pwd)/$BUILD"/opalinekit_*_amd64.deb
