# Shared by tools/fuzz.sh and tools/fuzz-long.sh: builds the libFuzzer targets
# with clang into build-fuzz, and gathers each target's seeds. Source it from
# the repository's top folder.
fuzz_targets="form_file bmp scenario value"

fuzz_build() {
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOKIT_FUZZ=ON \
    -DOKIT_BUILD_TESTS=OFF -DOKIT_BUILD_BENCH=OFF
  cmake --build build-fuzz -j2 --target $(for t in $fuzz_targets; do printf 'fuzz_%s ' "$t"; done)
}

# fuzz_seed TARGET DIR: copies the repository's inputs for TARGET (its example
# files and its kept corpus, fuzz/corpus/TARGET) into DIR.
fuzz_seed() {
  case "$1" in
    form_file) set -- "$1" "$2" examples/*.frm examples/*/*.frm tests/scenarios/*.frm tests/golden/*.frm ;;
    bmp) set -- "$1" "$2" controls/*/skins/*.bmp ;;
    scenario) set -- "$1" "$2" tests/scenarios/*.scn ;;
    *) set -- "$1" "$2" ;;
  esac
  target="$1"
  dir="$2"
  shift 2
  mkdir -p "$dir"
  for f in "$@" fuzz/corpus/"$target"/*; do
    [ -f "$f" ] && cp "$f" "$dir/$(echo "$f" | tr / _)"
  done
  return 0
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# -timeout: one input taking over 10 s is a hang; -rss_limit_mb bounds what a
# malformed header may allocate.
fuzz_limits="-timeout=10 -rss_limit_mb=2048"
