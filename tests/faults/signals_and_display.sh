#!/bin/sh
# The world failing around a running program: SIGINT, SIGTERM and SIGHUP end
# `okit run` through the normal unload path with status 128 + the signal's
# number; the X server going away ends it within a second with one line and
# status 1. Each case runs under a private Xvfb that this script starts (and,
# for the lost display, kills). No case may leave a sanitizer report.
#
# usage: signals_and_display.sh OKIT FORM
set -eu

OKIT=$1
FORM=$2
WORK=$(mktemp -d)
XVFB_PID=""
OKIT_PID=""
cleanup() {
  [ -n "$OKIT_PID" ] && kill -9 "$OKIT_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "signals_and_display: $*" >&2
  sed 's/^/okit: /' "$WORK/okit.log" >&2
  exit 1
}

start_display() {
  DISPLAY_NUMBER=:$((150 + $$ % 100))
  Xvfb "$DISPLAY_NUMBER" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do
    DISPLAY=$DISPLAY_NUMBER xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "Xvfb did not start"
}

# Starts okit on the display and waits for its window.
start_okit() {
  NO_AT_BRIDGE=1 DISPLAY=$DISPLAY_NUMBER "$OKIT" run "$FORM" >"$WORK/okit.log" 2>&1 &
  OKIT_PID=$!
  DISPLAY=$DISPLAY_NUMBER timeout 10 xdotool search --sync --pid "$OKIT_PID" >/dev/null 2>&1 ||
    fail "no window appeared"
}

# Waits for okit, which must end within `seconds`; its exit status goes to
# STATUS.
ended_within() {
  seconds=$1
  for _ in $(seq $((seconds * 20))); do
    if ! kill -0 "$OKIT_PID" 2>/dev/null || grep -q "^State:.*zombie" /proc/"$OKIT_PID"/status 2>/dev/null; then
      STATUS=0
      wait "$OKIT_PID" || STATUS=$?
      OKIT_PID=""
      return 0
    fi
    sleep 0.05
  done
  fail "okit did not end within $seconds s"
}

no_sanitizer_report() {
  ! grep -q "Sanitizer" "$WORK/okit.log" || fail "a sanitizer report"
}

start_display
for case in INT:2 TERM:15 HUP:1; do
  signal=${case%:*}
  start_okit
  kill -s "$signal" "$OKIT_PID"
  ended_within 5
  expected=$((128 + ${case#*:}))
  [ "$STATUS" = "$expected" ] || fail "SIG$signal: status $STATUS, expected $expected"
  no_sanitizer_report
done

start_okit
kill "$XVFB_PID"
XVFB_PID=""
ended_within 1
[ "$STATUS" = 1 ] || fail "lost display: status $STATUS, expected 1"
grep -qx "okit: the display connection was lost" "$WORK/okit.log" || fail "lost display: the line is missing"
[ "$(grep -c . "$WORK/okit.log")" = 1 ] || fail "lost display: more than one line"
no_sanitizer_report
echo "signals_and_display: SIGINT, SIGTERM, SIGHUP and the lost display all ended okit as they should"
