#!/bin/sh
# Measures the login dialog written with GTK 3, Qt 6, FLTK 1.3 and
# OpalineKit (with and without its caption control) side by side: one
# Xvfb, one D-Bus session, the programs' runs interleaved, each run measured
# from outside by peer_probe. Builds what it runs (Release, OKIT_BUILD_PEERS;
# install-peers.sh installs the toolkits) and prints README.md's table.
#
# usage: bench/peers/measure.sh [BUILD_DIR]        (default: build-peers)
#   RUNS=20 IDLE_S=10 KEYS=50 STARTS=40 in the environment set the runs per
#   program, the idle seconds and the keys per run, and the further starts
#   per program that measure only start-up and memory.
# Results go to BUILD_DIR/peers/: raw.tsv (one line per run or start), sizes.tsv,
# maps.* (what each program maps), machine.txt, table.md, probe.log (what
# the programs and the probe wrote to standard error).
set -eu

SRC=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(realpath -m "${1:-$SRC/build-peers}")
export RUNS="${RUNS:-20}" IDLE_S="${IDLE_S:-10}" KEYS="${KEYS:-50}" STARTS="${STARTS:-40}"
export OUT="$BUILD/peers" BIN="$BUILD/bench/peers"
PROGRAMS="gtk qt fltk okit okit-nocaption"

title_of() {
  case $1 in
    gtk) echo "GTK $(pkg-config --modversion gtk+-3.0)" ;;
    qt) echo "Qt $(pkg-config --modversion Qt6Widgets)" ;;
    fltk) echo "FLTK $(fltk-config --version)" ;;
    okit) echo "OpalineKit" ;;
    okit-nocaption) echo "OpalineKit, no caption control" ;;
  esac
}

# Runs the probe once on program $1 with options $2...
probe() {
  program=$1
  shift
  case $program in
    gtk) set -- "$@" -- "$BIN/login_gtk" ;;
    qt) set -- "$@" -- "$BIN/login_qt" ;;
    fltk) set -- "$@" -- "$BIN/login_fltk" ;;
    okit) set -- "$@" -- "$BIN/login_okit" "$SRC/examples/login/login.frm" ;;
    okit-nocaption) set -- "$@" -- "$BIN/login_okit" "$SRC/bench/peers/login_no_caption.frm" ;;
  esac
  "$BIN/peer_probe" "$@" 2>>"$OUT/probe.log"
}

# The runs themselves, inside the session bus that the outer part starts;
# progress goes to file descriptor 3, what the bus and its services say to
# session.log.
if [ "${2:-}" = --runs-in-session ]; then
  # One run of each first, unrecorded, so that no program pays for filling
  # the page cache or the font caches for the others, or for starting the
  # accessibility bus.
  for program in $PROGRAMS; do
    probe "$program" >/dev/null || true
  done
  failed=0
  # Probes program $2 with options $3... and appends its results to raw.tsv
  # as run $1, or counts the failure.
  record() {
    run=$1 program=$2
    shift 2
    if result=$(probe "$program" "$@"); then
      printf '%s\t%s\t%s\n' "$(title_of "$program")" "$run" "$result" >>"$OUT/raw.tsv"
    else
      failed=$((failed + 1))
      echo "measure: that run failed: $(tail -n 1 "$OUT/probe.log")" >&3
    fi
  }
  for run in $(seq "$RUNS"); do
    for program in $PROGRAMS; do
      echo "measure: run $run of $RUNS: $(title_of "$program")" >&3
      maps=""
      [ -e "$OUT/maps.$program" ] || maps="--maps $OUT/maps.$program"
      # The user-name box is at the same window pixels in every program.
      # shellcheck disable=SC2086 # $maps is two words or none
      record "$run" "$program" --idle "$IDLE_S" --keys "$KEYS" --box 104,38,200,21 $maps
    done
  done
  # Start-up varies by a few milliseconds from one start to the next, as
  # much as the programs differ; more starts, each only until the first
  # frame and the memory after it, make its median repeat.
  for start in $(seq "$STARTS"); do
    echo "measure: start $start of $STARTS of each program" >&3
    for program in $PROGRAMS; do
      record "start-$start" "$program"
    done
  done
  [ "$failed" -eq 0 ] || echo "measure: $failed runs failed; see $OUT/probe.log" >&3
  exit 0
fi

cmake -S "$SRC" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DOKIT_BUILD_PEERS=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target peer_probe login_okit login_gtk login_qt login_fltk >/dev/null
rm -rf "$OUT"
mkdir -p "$OUT"
XVFB_PID=""
RUNTIME_DIR=$(mktemp -d)
trap '[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$RUNTIME_DIR"' EXIT
export XDG_RUNTIME_DIR="$RUNTIME_DIR"

# An X server that, like a desktop's, keeps its state (GTK caches its GL
# visuals on the root window) when the last program leaves.
DISPLAY_NUMBER=90
while [ -e /tmp/.X11-unix/X$DISPLAY_NUMBER ] || [ -e /tmp/.X$DISPLAY_NUMBER-lock ]; do
  DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
export DISPLAY=:$DISPLAY_NUMBER
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

{
  echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "cores: $(nproc); CPU: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | sort -u)"
  echo "X server: Xvfb $(dpkg-query -W -f '${Version}' xvfb), 1024x768x24, no window manager"
  echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "runs per program: $RUNS, idle: $IDLE_S s, keys per run: $KEYS; further starts per program: $STARTS"
} >"$OUT/machine.txt"
# Every program gets the session bus a desktop has (the toolkits look for
# the accessibility bus there); the services it starts see the display.
dbus-run-session -- "$0" "$BUILD" --runs-in-session 3>&2 >>"$OUT/session.log" 2>&1
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)" >>"$OUT/machine.txt"

# Size: the program and the shared objects no other toolkit's program maps;
# both OpalineKit dialogs count as one toolkit.
toolkit_of() {
  case $1 in
    okit*) echo okit ;;
    *) echo "$1" ;;
  esac
}
for program in $PROGRAMS; do
  [ -e "$OUT/maps.$program" ] || continue
  for other in $PROGRAMS; do
    [ "$(toolkit_of "$other")" = "$(toolkit_of "$program")" ] || cat "$OUT/maps.$other" 2>/dev/null || true
  done | sort -u >"$OUT/others"
  kib=$(sort -u "$OUT/maps.$program" | comm -23 - "$OUT/others" | xargs -r stat -L -c %s |
    awk '{ bytes += $1 } END { printf "%.0f", bytes / 1024 }')
  printf '%s\t%s\n' "$(title_of "$program")" "$kib" >>"$OUT/sizes.tsv"
done
rm -f "$OUT/others"

"$SRC/bench/peers/summarize.py" "$OUT/raw.tsv" "$OUT/sizes.tsv" >"$OUT/table.md"
cat "$OUT/machine.txt" "$OUT/table.md"
