#!/bin/sh
# Builds the libFuzzer targets in fuzz/ with clang and runs each for
# SECONDS_PER_TARGET (default 20) over seeds taken from the repository. Seeds
# are copied into a temporary corpus, so what the fuzzer adds never lands in
# the tree. Fails on the first crash, leak or timeout; the input that caused
# it is kept in build-fuzz/crashes/. Longer searches that grow the kept
# corpus: tools/fuzz-long.sh.
#
#   tools/fuzz.sh [SECONDS_PER_TARGET]
set -e
cd "$(dirname "$0")/.."
. tools/fuzz-common.sh
seconds="${1:-20}"
fuzz_build

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
crashes="$PWD/build-fuzz/crashes"
mkdir -p "$crashes"
for target in $fuzz_targets; do
  fuzz_seed "$target" "$work/$target"
  echo "== fuzz_$target for ${seconds}s"
  build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" $fuzz_limits \
    -artifact_prefix="$crashes/$target-" -print_final_stats=1 "$work/$target"
done
