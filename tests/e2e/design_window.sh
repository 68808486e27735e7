#!/bin/sh
# End-to-end check of `okit design` on a real X display: starts a new form,
# picks the button tool in the toolbox window, places a button by clicking the
# form, saves with Ctrl+S, quits, and checks the saved file holds the button.
#
# usage: design_window.sh OKIT [SHOT.png]
# SHOT, when given, keeps a screenshot of the designer with the button placed.
# Without a display it starts itself again under xvfb-run.
set -eu

OKIT=$1
SHOT=${2:-}

E2E_NAME=design_window
. "$(dirname "$0")/x_session.sh"

"$OKIT" design "$WORK/Dialog.frm" > "$WORK/okit.log" 2>&1 &
OKIT_PID=$!
FORM_WINDOW=$(timeout 10 xdotool search --sync --name "^Dialog - okit design" | head -n 1) || fail "no form window"
TOOLBOX=$(timeout 10 xdotool search --sync --name "^Toolbox$" | head -n 1) || fail "no toolbox window"

# The first tool is the library's button.
eval "$(xdotool getwindowgeometry --shell "$TOOLBOX")"
xdotool mousemove $((X + 20)) $((Y + 15)) click 1
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$FORM_WINDOW")"
xdotool mousemove $((X + 40)) $((Y + 40)) click 1
sleep 0.3
timeout 5 xdotool search --sync --name "^Dialog - okit design \*$" > /dev/null || fail "placing did not mark the form modified"
[ -n "$SHOT" ] && import -window root "$SHOT"

xdotool key ctrl+s
timeout 5 xdotool search --sync --name "^Dialog - okit design$" > /dev/null || fail "Ctrl+S did not save"
kill -TERM "$OKIT_PID"
wait "$OKIT_PID" || fail "okit design exited with $?"
OKIT_PID=""

grep -q "Begin OpalineKit.cmd_Opaline_Button Command1" "$WORK/Dialog.frm" || fail "the saved form holds no button: $(cat "$WORK/Dialog.frm")"
grep -q "Left *= *600" "$WORK/Dialog.frm" || fail "the button is not where it was placed: $(cat "$WORK/Dialog.frm")"
