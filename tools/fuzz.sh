#!/bin/sh
# Builds the libFuzzer targets in fuzz/ with clang and runs each for
# SECONDS_PER_TARGET (default 20) over seeds taken from the repository. Seeds
# are copied into a temporary corpus, so what the fuzzer adds never lands in
# the tree. Fails on the first crash, leak or timeout; the input that caused
# it is kept in build-fuzz/crashes/.
#
#   tools/fuzz.sh [SECONDS_PER_TARGET]
set -e
cd "$(dirname "$0")/.."
seconds="${1:-20}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOKIT_FUZZ=ON \
  -DOKIT_BUILD_TESTS=OFF -DOKIT_BUILD_BENCH=OFF
cmake --build build-fuzz -j2 --target fuzz_form_file fuzz_bmp fuzz_scenario fuzz_value

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
crashes="$PWD/build-fuzz/crashes"
mkdir -p "$crashes"

# seed TARGET FILES...: copies FILES (and fuzz/corpus/TARGET, if any) into
# the target's work corpus.
seed() {
  target="$1"
  shift
  mkdir -p "$work/$target"
  for f in "$@" fuzz/corpus/"$target"/*; do
    [ -f "$f" ] && cp "$f" "$work/$target/$(echo "$f" | tr / _)"
  done
  return 0
}
seed form_file examples/*.frm examples/*/*.frm tests/scenarios/*.frm
seed bmp controls/*/skins/*.bmp
seed scenario tests/scenarios/*.scn
seed value

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in form_file bmp scenario value; do
  echo "== fuzz_$target for ${seconds}s"
  # -timeout: one input taking over 10 s is a hang; -rss_limit_mb bounds
  # what a malformed header may allocate.
  build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$crashes/$target-" -print_final_stats=1 "$work/$target"
done
