#!/bin/sh
# The world failing around a running program: SIGINT, SIGTERM and SIGHUP end
# `okit run` through the normal unload path with status 128 + the signal's
# number; the X server going away ends it within a second with one line and
# status 1. The designer, losing its display with a change unsaved, first
# writes the change to a recovery copy beside the form and names it in that
# line, leaving the form file as it was. Each case runs under a private Xvfb that this script starts (and,
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

# Starts `okit design` on a form with one button at (40, 40) and nudges the
# button one pixel right, a change it holds unsaved.
start_designer_with_a_change() {
  cat > "$WORK/Dialog.frm" <<'FORM'
VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Dialog
   Caption         =   "Dialog"
   ClientHeight    =   1500
   ClientWidth     =   3000
   Begin OpalineKit.cmd_Opaline_Button Ok
      Height          =   315
      Left            =   600
      Top             =   600
      Width           =   1125
   End
End
FORM
  cp "$WORK/Dialog.frm" "$WORK/saved.frm"
  NO_AT_BRIDGE=1 DISPLAY=$DISPLAY_NUMBER "$OKIT" design "$WORK/Dialog.frm" >"$WORK/okit.log" 2>&1 &
  OKIT_PID=$!
  export DISPLAY=$DISPLAY_NUMBER
  window=$(timeout 10 xdotool search --sync --name "^Dialog - okit design" | head -n 1) ||
    fail "no designer window appeared"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 50)) $((Y + 48)) click 1
  sleep 0.2
  xdotool key Right
  timeout 5 xdotool search --sync --name "^Dialog - okit design \*$" >/dev/null ||
    fail "nudging did not mark the form modified"
  unset DISPLAY
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

start_display
start_designer_with_a_change
kill "$XVFB_PID"
XVFB_PID=""
ended_within 1
[ "$STATUS" = 1 ] || fail "designer, lost display: status $STATUS, expected 1"
grep -qx "okit: the display connection was lost; unsaved changes are in $WORK/Dialog.frm.recovery" "$WORK/okit.log" ||
  fail "designer, lost display: no line naming the recovery copy"
[ "$(grep -c . "$WORK/okit.log")" = 1 ] || fail "designer, lost display: more than one line"
cmp -s "$WORK/Dialog.frm" "$WORK/saved.frm" || fail "designer, lost display: the form file changed"
grep -q "Left *= *615" "$WORK/Dialog.frm.recovery" || fail "designer, lost display: the recovery copy lacks the change"
no_sanitizer_report
echo "signals_and_display: SIGINT, SIGTERM, SIGHUP and the lost display all ended okit run as they should," \
  "and the designer kept its unsaved change when the display went"
