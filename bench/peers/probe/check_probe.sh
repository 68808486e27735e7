#!/bin/sh
# Runs peer_probe against slow_dialog, whose first frame and key answers
# take known times, under a private Xvfb. The probe must report at least
# those times, and not much more: generous bounds, since this checks what
# the probe measures, not how fast anything is (a loaded machine and a
# sanitized build add their own delay).
#
# usage: check_probe.sh PEER_PROBE SLOW_DIALOG
set -eu

PROBE=$1
DIALOG=$2
FIRST_MS=400
KEY_MS=150
SLACK_MS=1000
XVFB_PID=""
trap '[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true' EXIT

fail() {
  echo "check_probe: $*" >&2
  exit 1
}

export DISPLAY=:$((250 + $$ % 50))
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

RESULT=$("$PROBE" --title "Probe check" --keys 5 --box 10,10,100,20 -- "$DIALOG" "Probe check" $FIRST_MS $KEY_MS) ||
  fail "the probe failed"
echo "$RESULT"

# Prints the value of NAME in RESULT, without its decimals.
value() {
  echo "$RESULT" | tr ' ' '\n' | sed -n "s/^$1=\([0-9]*\).*/\1/p"
}
within() {
  name=$1 low=$2
  got=$(value "$name")
  [ -n "$got" ] || fail "no $name in \"$RESULT\""
  [ "$got" -ge "$low" ] && [ "$got" -lt $((low + SLACK_MS)) ] ||
    fail "$name is $got, expected $low to $((low + SLACK_MS))"
}
within startup_ms $FIRST_MS
within key_median_ms $KEY_MS
[ "$(value rss_kib)" -gt 0 ] || fail "no resident size in \"$RESULT\""

# A program that cannot start, or ends without a window, is reported by
# name at once, not waited for until the timeout.
expect_error() {
  message=$1
  shift
  if ERROR=$(timeout 10 "$PROBE" --timeout 20 -- "$@" 2>&1); then fail "$* was not reported"; fi
  echo "$ERROR" | grep -q "$message" || fail "unclear message for $*: $ERROR"
}
expect_error "cannot run /nonexistent/dialog" /nonexistent/dialog
expect_error "false exited with status 1" false
echo "check_probe: ok"
