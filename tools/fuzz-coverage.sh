#!/bin/sh
# Line coverage of the readers the fuzzers exercise, reached by the kept
# corpus alone (fuzz/corpus): the form-file reader and its value reader, the
# loader, and the BMP reader. Builds the corpus replayers with clang's source
# coverage into build-cov, replays, and prints llvm-cov's per-file summary
# followed by every line never reached. docs/reliability.md records the
# result and why each unreached line is unreached.
#
#   tools/fuzz-coverage.sh
set -e
cd "$(dirname "$0")/.."
flags="-fprofile-instr-generate -fcoverage-mapping"
CC=clang CXX=clang++ cmake -S . -B build-cov -DCMAKE_BUILD_TYPE=Debug -DOKIT_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" \
  >/dev/null
cmake --build build-cov -j2 --target replay_form_file replay_bmp >/dev/null

profiles=build-cov/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
for target in form_file bmp; do
  # What the inputs themselves say (warnings about fonts, say) is not the point.
  LLVM_PROFILE_FILE="$profiles/$target.profraw" build-cov/fuzz/replay_$target fuzz/corpus/$target 2>/dev/null
done
llvm-profdata-14 merge -o "$profiles/all.profdata" "$profiles"/*.profraw

readers="host/form_file_reader.cpp host/form_file_value.cpp host/form_loader.cpp host/bmp.cpp"
objects="build-cov/fuzz/replay_form_file -object build-cov/fuzz/replay_bmp"
# shellcheck disable=SC2086 # the lists are meant to split into words
llvm-cov-14 report -instr-profile="$profiles/all.profdata" $objects $readers
echo
echo "Lines never reached:"
# llvm-cov marks an unreached line with a count of 0 in the second column.
# shellcheck disable=SC2086
llvm-cov-14 show -instr-profile="$profiles/all.profdata" $objects $readers \
  | awk -F'|' '/^\/.*:$/ { file = $0; next } $2 ~ /^ *0$/ { print file " " $0 }'
