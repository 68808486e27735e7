#!/bin/sh
# Soak test of `okit run`: SECONDS of random real input on a form's window
# under a private Xvfb, through xdotool (pointer moves, clicks on the form's
# controls and elsewhere, drags of the caption control's title bar, typing,
# editing keys, Tab), about twenty X input events a second.
#
# usage: soak.sh [--sanitized] OKIT FORM SECONDS [REPORT]
#
# Every 10 s it samples the program's resident size (VmRSS) and checks that
# the program answers: its window still exists and a click on the form's
# first enabled check box repaints it within 2 s. It fails when the program
# stops answering or exits, when it does not exit with status 0 once its
# close button is clicked, when its output holds a sanitizer report or a
# run-time error, or when its resident size grows by 1 MiB or more after it
# has settled: each sample is compared with the one at 60 s, or at 20 s for
# runs shorter than two minutes. --sanitized skips that last check, for
# builds whose sanitizer allocator holds freed memory back and keeps growing
# its own records; the samples are still printed.
#
# The input comes from a fixed seed, printed first; SOAK_SEED=N replays or
# varies it. REPORT, when given, receives the samples and figures as
# Markdown. Needs Xvfb, xdotool and ImageMagick's import.
set -eu

SANITIZED=""
if [ "${1:-}" = "--sanitized" ]; then
  SANITIZED=1
  shift
fi
if [ $# -lt 3 ] || [ $# -gt 4 ]; then
  echo "usage: soak.sh [--sanitized] OKIT FORM SECONDS [REPORT]" >&2
  exit 2
fi
OKIT=$1 FORM=$2 DURATION=$3 REPORT=${4:-}
case $DURATION in
  '' | *[!0-9]*) echo "soak.sh: SECONDS must be a whole number of seconds, not '$DURATION'" >&2; exit 2 ;;
esac
[ "$DURATION" -ge 10 ] || { echo "soak.sh: SECONDS must be at least 10 (one sample), not $DURATION" >&2; exit 2; }
[ -x "$OKIT" ] || { echo "soak.sh: $OKIT: not an executable" >&2; exit 2; }
[ -r "$FORM" ] || { echo "soak.sh: $FORM: cannot read the form" >&2; exit 2; }
SEED=${SOAK_SEED:-20517}
case $SEED in
  '' | *[!0-9]*) echo "soak.sh: SOAK_SEED must be a whole number, not '$SEED'" >&2; exit 2 ;;
esac
HERE=$(dirname "$0")

WORK=$(mktemp -d)
XVFB_PID="" OKIT_PID=""
# A program that hangs may not heed SIGTERM: it gets SIGKILL after 2 s.
stop() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null || true
}
cleanup() {
  if [ -n "$OKIT_PID" ]; then stop "$OKIT_PID"; fi
  if [ -n "$XVFB_PID" ]; then stop "$XVFB_PID"; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "soak: FAILED: $*" >&2
  echo "soak: replay with SOAK_SEED=$SEED" >&2
  [ -s "$WORK/okit.log" ] && sed 's/^/okit: /' "$WORK/okit.log" | tail -n 40 >&2
  exit 1
}

# ---- The form: its controls, the caption control's title bar and close
# button, the check box the answer check clicks.
awk -f "$HERE/form_controls.awk" "$FORM" > "$WORK/controls"
read -r TITLE_TOP TITLE_RIGHT <<EOF
$(awk '$2 ~ /ctl_Opaline_Form$/ { print $4, $3 + $5; exit }' "$WORK/controls")
EOF
[ -n "$TITLE_RIGHT" ] || { echo "soak.sh: $FORM has no caption control to drag the window by and close it" >&2; exit 2; }
read -r CHECK_NAME CHECK_X CHECK_Y CHECK_W CHECK_H <<EOF
$(awk '$2 ~ /chk_Opaline_CheckBox$/ && $7 { print $1, $3, $4, $5, $6; exit }' "$WORK/controls")
EOF
[ -n "$CHECK_H" ] || { echo "soak.sh: $FORM has no enabled check box for the answer check" >&2; exit 2; }
read -r FORM_W FORM_H <<EOF
$(awk '{ if ($3 + $5 > w) w = $3 + $5; if ($4 + $6 > h) h = $4 + $6 } END { print w, h }' "$WORK/controls")
EOF

# ---- A private X server, with room around the window: random points reach
# 150 pixels beyond it, and drags keep it MARGIN pixels inside the screen.
MARGIN=160
SCREEN_W=$((FORM_W + 900)) SCREEN_H=$((FORM_H + 600))
Xvfb -displayfd 3 -nolisten tcp -screen 0 "${SCREEN_W}x${SCREEN_H}x24" 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
DISPLAY=:$(cat "$WORK/display")
export DISPLAY
unset WAYLAND_DISPLAY

echo "soak: seed $SEED, $DURATION s of input on $FORM (${SCREEN_W}x${SCREEN_H} screen $DISPLAY)"
awk -v seed="$SEED" -v count=$((DURATION * 25)) -f "$HERE/random_input.awk" "$WORK/controls" > "$WORK/plan"

"$OKIT" run "$FORM" > "$WORK/okit.log" 2>&1 &
OKIT_PID=$!
WINDOW=$(timeout 10 xdotool search --sync --onlyvisible --pid "$OKIT_PID" | head -n 1) || fail "no window appeared"

# X, Y, WIDTH, HEIGHT: where the window is now.
find_window() { eval "$(xdotool getwindowgeometry --shell "$WINDOW" 2>/dev/null)" || fail "the window is gone"; }
# A zombie still takes signals: the process's state tells.
running() { [ -r "/proc/$OKIT_PID/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$OKIT_PID/status"; }
# ENDED: how the program that ended did, which is then no longer ours to stop.
collect_exit() {
  status=0
  wait "$OKIT_PID" || status=$?
  OKIT_PID=""
  if [ "$status" -gt 128 ]; then ENDED="signal $((status - 128))"; else ENDED="status $status"; fi
}
resident_kib() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$OKIT_PID/status"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
find_window

# ---- The answer check: the check box's pixels must change within 2 s of a
# click on its box. The pointer rests on it first, until hover has painted.
check_box_pixels() {
  import -window root -crop "${CHECK_W}x${CHECK_H}+$((X + CHECK_X))+$((Y + CHECK_Y))" rgb:- | md5sum
}
settled_check_box() {
  previous=$(check_box_pixels)
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.1
    current=$(check_box_pixels)
    [ "$current" = "$previous" ] && break
    previous=$current
  done
  echo "$current"
}
# ANSWER_MS: when the first screenshot that shows the change was done, an
# upper bound of how long the repaint took.
answers() {
  find_window
  xdotool mousemove $((X + CHECK_X + 6)) $((Y + CHECK_Y + CHECK_H / 2))
  before=$(settled_check_box)
  clicked=$(now_ms)
  xdotool click 1
  while :; do
    after=$(check_box_pixels)
    ANSWER_MS=$(($(now_ms) - clicked))
    [ "$after" != "$before" ] && return 0
    [ "$ANSWER_MS" -gt 2000 ] && return 1
    sleep 0.05
  done
}

# shellcheck source=input_actions.sh
. "$HERE/input_actions.sh"

# ---- The run: input until the next sample is due, then the sample.
printf 'seconds rss_kib answer_ms\n' > "$WORK/samples"
started=$(now_ms)
next_sample=10 MAX_ANSWER_MS=0
while read -r pause action arguments; do
  if [ $(($(now_ms) - started)) -ge $((next_sample * 1000)) ]; then
    rss=$(resident_kib)
    answers || fail "the window did not repaint within 2 s of a click on $CHECK_NAME at $next_sample s"
    [ "$ANSWER_MS" -gt "$MAX_ANSWER_MS" ] && MAX_ANSWER_MS=$ANSWER_MS
    echo "soak: $next_sample s: resident $rss KiB, answered in $ANSWER_MS ms"
    echo "$next_sample $rss $ANSWER_MS" >> "$WORK/samples"
    EVENTS=$((EVENTS + 3))
    next_sample=$((next_sample + 10))
    [ "$next_sample" -gt "$DURATION" ] && break
  fi
  if ! running; then
    collect_exit
    fail "okit ended during the input with $ENDED"
  fi
  # Word splitting of the arguments is meant: they are numbers and key names.
  # shellcheck disable=SC2086
  act "$action" $arguments
  sleep "$pause"
done < "$WORK/plan"
[ "$next_sample" -gt "$DURATION" ] || fail "the plan ran out before $DURATION s"
INPUT_MS=$(($(now_ms) - started))

# ---- The end: the close button closes the window and the program exits.
find_window
on_screen $((TITLE_RIGHT - 12)) $((TITLE_TOP + 10))
xdotool mousemove "$SX" "$SY" click 1
for _ in $(seq 50); do
  running || break
  sleep 0.1
done
running && fail "okit did not end within 5 s of a click on its close button"
collect_exit
[ "$ENDED" = "status 0" ] || fail "okit ended with $ENDED after its window was closed"
if grep -Eq 'ERROR: [A-Za-z]+Sanitizer|runtime error:|run-time error' "$WORK/okit.log"; then
  fail "okit reported errors"
fi

# ---- The verdict on the resident size.
if [ "$DURATION" -ge 120 ]; then BASE=60; else BASE=20; fi
GROWTH=$(awk -v base="$BASE" 'NR == 1 { next }
  $1 == base { at_base = $2 }
  $1 > base && at_base { later++; if ($2 - at_base > most) most = $2 - at_base }
  END { print later ? most + 0 : "none" }' "$WORK/samples")
if [ "$GROWTH" = "none" ]; then
  VERDICT="not checked: no sample after the one at $BASE s"
elif [ -n "$SANITIZED" ]; then
  VERDICT="not checked: sanitized build (largest growth after $BASE s: $GROWTH KiB)"
elif [ "$GROWTH" -ge 1024 ]; then
  fail "the resident size grew by $GROWTH KiB after $BASE s, 1024 KiB or more"
else
  VERDICT="$GROWTH KiB after $BASE s (limit 1024 KiB)"
fi
if [ "$GROWTH" != "none" ] && [ "$BASE" -ne 60 ]; then
  echo "soak: a run shorter than two minutes compares with the sample at 20 s, not at 60 s"
fi
RATE=$(awk -v e="$EVENTS" -v ms="$INPUT_MS" 'BEGIN { printf "%.1f", e * 1000 / ms }')
echo "soak: growth $VERDICT; $EVENTS input events ($RATE a second), $DRAGS drags, slowest answer $MAX_ANSWER_MS ms"

if [ -n "$REPORT" ]; then
  {
    echo "Seed $SEED, $DURATION s, $EVENTS input events ($RATE a second), $DRAGS title bar drags, slowest answer $MAX_ANSWER_MS ms."
    echo "Machine: $(uname -srm), $(nproc) cores, $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)."
    echo "Growth: $VERDICT."
    echo
    echo "| Time (s) | Resident (KiB) | Answered in (ms) |"
    echo "|---:|---:|---:|"
    awk 'NR > 1 { printf "| %d | %d | %d |\n", $1, $2, $3 }' "$WORK/samples"
  } > "$REPORT"
fi
echo "soak: passed"
