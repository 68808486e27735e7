#!/bin/sh
# End-to-end check of `okit design` on a real X display: starts a new form,
# places a button with the toolbox, sets its caption in the property grid,
# saves with Ctrl+S and quits. Then reloads the file (headless, and in the
# window), runs the form with F5 and closes the run, nudges the button, asks
# to quit, answers the unsaved-changes question with Save, and checks the
# file has the move.
#
# usage: design_window.sh OKIT [SHOT.png]
# SHOT, when given, keeps a screenshot of the designer with the button placed.
# Without a display it starts itself again under xvfb-run.
set -eu

OKIT=$1
SHOT=${2:-}

E2E_NAME=design_window
. "$(dirname "$0")/x_session.sh"

geometry_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
wait_for_title() { timeout 5 xdotool search --sync --name "$1" | head -n 1; }
start_designer() {
  "$OKIT" design "$WORK/Dialog.frm" >> "$WORK/okit.log" 2>&1 &
  OKIT_PID=$!
  FORM_WINDOW=$(timeout 10 xdotool search --sync --name "^Dialog - okit design" | head -n 1) || fail "no form window"
  GRID=$(wait_for_title "^Properties$") || fail "no property grid"
  TOOLBOX=$(wait_for_title "^Toolbox$") || fail "no toolbox window"
}
# Alt+F4 on the form's window asks to close, as a window manager's close
# does (there is none here).
ask_to_close() {
  xdotool windowfocus --sync "$FORM_WINDOW"
  xdotool key alt+F4
}
quit_designer() {
  ask_to_close
  wait "$OKIT_PID" || fail "okit design exited with $?"
  OKIT_PID=""
}

start_designer
# The first tool is the library's button.
geometry_of "$TOOLBOX"
xdotool mousemove $((X + 60)) $((Y + 18)) click 1
sleep 0.3
geometry_of "$FORM_WINDOW"
FORM_X=$X FORM_Y=$Y
xdotool mousemove $((FORM_X + 40)) $((FORM_Y + 40)) click 1
sleep 0.3
wait_for_title "^Dialog - okit design \*$" > /dev/null || fail "placing did not mark the form modified"

# The grid shows the new button; its second row is Caption.
geometry_of "$GRID"
xdotool mousemove $((X + 200)) $((Y + 58)) click 1
sleep 0.2
xdotool key ctrl+a
xdotool type "Sign in"
xdotool key Return
sleep 0.3
[ -n "$SHOT" ] && import -window root "$SHOT"

# Back on the form: a click on the button keeps it selected, Ctrl+S saves.
xdotool mousemove $((FORM_X + 50)) $((FORM_Y + 48)) click 1
sleep 0.2
xdotool key ctrl+s
wait_for_title "^Dialog - okit design$" > /dev/null || fail "Ctrl+S did not save"
quit_designer
grep -q "Begin OpalineKit.cmd_Opaline_Button Command1" "$WORK/Dialog.frm" || fail "no button saved: $(cat "$WORK/Dialog.frm")"
grep -q "Left *= *600" "$WORK/Dialog.frm" || fail "the button is not where it was placed: $(cat "$WORK/Dialog.frm")"

# Reloaded, the button has the caption typed into the grid.
printf 'get Command1.Caption\n' > "$WORK/check.dsn"
"$OKIT" design "$WORK/Dialog.frm" --script "$WORK/check.dsn" > "$WORK/check.out" 2>&1 || fail "cannot reload: $(cat "$WORK/check.out")"
[ "$(cat "$WORK/check.out")" = 'Command1.Caption = "Sign in"' ] || fail "reloaded: $(cat "$WORK/check.out")"

# In the window again: F5 runs the form in a window of its own, and the
# designer takes input again once that run is closed.
start_designer
geometry_of "$FORM_WINDOW"
xdotool mousemove $((X + 50)) $((Y + 48)) click 1
sleep 0.2
xdotool key F5
wait_for_title "^Dialog - okit design \[running\]$" > /dev/null || fail "F5 did not run the form"
wait_for_title "^Dialog$" > /dev/null || fail "the running form has no window"
RUN_PID=$(pgrep -P "$OKIT_PID") || fail "no okit run process"
kill -TERM "$RUN_PID"
wait_for_title "^Dialog - okit design$" > /dev/null || fail "closing the run did not return to the designer"

# Unmodified until a nudge; quitting then asks, and Save (the first
# answer) writes the nudge.
xdotool mousemove $((X + 50)) $((Y + 48)) click 1
sleep 0.2
xdotool key Right
wait_for_title "^Dialog - okit design \*$" > /dev/null || fail "nudging did not mark the form modified"
ask_to_close
QUESTION=$(wait_for_title "^okit design$") || fail "quitting with unsaved changes did not ask"
geometry_of "$QUESTION"
xdotool mousemove $((X + 70)) $((Y + 87)) click 1
wait "$OKIT_PID" || fail "okit design exited with $?"
OKIT_PID=""
grep -q "Left *= *615" "$WORK/Dialog.frm" || fail "Save did not write the nudge: $(cat "$WORK/Dialog.frm")"

# A signal while changes are unsaved: they go to the recovery copy beside the
# form, the form file stays as it was, and okit design says where.
cp "$WORK/Dialog.frm" "$WORK/saved.frm"
start_designer
geometry_of "$FORM_WINDOW"
xdotool mousemove $((X + 50)) $((Y + 48)) click 1
sleep 0.2
xdotool key Right
wait_for_title "^Dialog - okit design \*$" > /dev/null || fail "nudging did not mark the form modified"
kill -TERM "$OKIT_PID"
status=0
wait "$OKIT_PID" || status=$?
OKIT_PID=""
[ "$status" = 143 ] || fail "okit design stopped by SIGTERM exited with $status"
grep -qx "okit design: unsaved changes are in $WORK/Dialog.frm.recovery" "$WORK/okit.log" ||
  fail "no line saying where the unsaved changes are"
cmp -s "$WORK/Dialog.frm" "$WORK/saved.frm" || fail "the signal changed the form file"
grep -q "Left *= *630" "$WORK/Dialog.frm.recovery" || fail "the recovery copy lacks the change"

# A script session reports the copy and leaves it alone.
: > "$WORK/nothing.scr"
"$OKIT" design "$WORK/Dialog.frm" --script "$WORK/nothing.scr" 2> "$WORK/script.err" || fail "the script session failed"
grep -q "Dialog.frm.recovery" "$WORK/script.err" || fail "a script session did not report the recovery copy"
[ -f "$WORK/Dialog.frm.recovery" ] || fail "a script session removed the recovery copy"

# The next design window asks; Restore brings the change back (modified),
# and saving writes it.
start_designer
QUESTION=$(wait_for_title "^okit design$") || fail "the recovery copy was not offered"
geometry_of "$QUESTION"
xdotool mousemove $((X + 170)) $((Y + 87)) click 1
# The restored form is a window of its own.
FORM_WINDOW=$(wait_for_title "^Dialog - okit design \*$") || fail "restoring did not bring back the modified form"
[ ! -f "$WORK/Dialog.frm.recovery" ] || fail "the recovery copy is still there after restoring"
xdotool windowfocus --sync "$FORM_WINDOW" key ctrl+s
wait_for_title "^Dialog - okit design$" > /dev/null || fail "Ctrl+S did not save the restored form"
grep -q "Left *= *630" "$WORK/Dialog.frm" || fail "the restored change was not saved"
quit_designer
