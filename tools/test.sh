#!/bin/sh
# Installs the dependencies, builds everything with warnings as errors under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -e
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake -S . -B build-ci -DCMAKE_BUILD_TYPE=Debug -DOKIT_WERROR=ON -DOKIT_SANITIZE=ON
# The web runtime too, so that its browser tests run with the others.
./tools/build-web.sh build-ci
cmake --build build-ci -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-ci --output-on-failure -j2
./tools/fuzz.sh
# The Debian package, unpacked, must hold everything and build the example.
deb=$(./tools/build-deb.sh build-deb)
tests/package/check_deb.sh "$deb" .
