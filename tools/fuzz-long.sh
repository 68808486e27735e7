#!/bin/sh
# Searches for MINUTES per target (default 30), one target after another, and
# then minimizes what was found into the kept corpus, fuzz/corpus/TARGET, which
# the tests replay. Run by hand, not in CI; two runs side by side (one per
# core) take different targets:
#
#   tools/fuzz-long.sh 30 form_file bmp &  tools/fuzz-long.sh 30 scenario value
#
# The search corpus build-fuzz/long/TARGET is kept between runs, so a second
# run goes on where the first stopped. Each run's statistics are written to
# build-fuzz/long/TARGET.log. Stops at the first crash, leak or hang, with the
# input in build-fuzz/crashes/.
set -e
cd "$(dirname "$0")/.."
. tools/fuzz-common.sh
minutes="${1:-30}"
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && fuzz_targets="$*"
# Two runs side by side must not configure the same build folder at once.
mkdir -p build-fuzz
flock build-fuzz/.lock sh -c '. tools/fuzz-common.sh; fuzz_build' >/dev/null
crashes="$PWD/build-fuzz/crashes"
mkdir -p "$crashes"
for target in $fuzz_targets; do
  search="build-fuzz/long/$target"
  fuzz_seed "$target" "$search"
  echo "== fuzz_$target for $minutes min"
  build-fuzz/fuzz/fuzz_$target -max_total_time=$((minutes * 60)) $fuzz_limits \
    -artifact_prefix="$crashes/$target-" -print_final_stats=1 "$search" \
    >"$search.log" 2>&1 || { tail -40 "$search.log"; exit 1; }
  tail -12 "$search.log"
  # The kept corpus is the smallest set of inputs that reaches everything the
  # search reached; the files are named by their content's hash.
  minimized="$(mktemp -d)"
  build-fuzz/fuzz/fuzz_$target -merge=1 $fuzz_limits "$minimized" "$search" >/dev/null 2>&1
  rm -rf "fuzz/corpus/$target"
  mkdir -p "fuzz/corpus/$target"
  cp "$minimized"/* "fuzz/corpus/$target/"
  rm -rf "$minimized"
  echo "   kept $(ls "fuzz/corpus/$target" | wc -l) inputs in fuzz/corpus/$target"
done
