#!/bin/sh
# End-to-end check of `okit run` on a real X display: drives the window with
# xdotool (type into the text box, toggle the check box, hover and click the
# button, drag the caption control's title bar, close it with its close
# button) and compares screenshots of the window with what the headless
# renderer draws for the same input.
#
# usage: run_gallery.sh OKIT FORM.frm
# Without a display it starts itself again under xvfb-run.
set -eu

OKIT=$1
FORM=$2
TITLE="Window demo"

E2E_NAME=run_gallery
. "$(dirname "$0")/x_session.sh"

# The window's client area on the screen, cut out of a screenshot.
window_shot() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# Differing pixels between the live window and the headless frame.
same_pixels() {
  differing=$(compare -metric AE "$1" "$2" "$WORK/diff.png" 2>&1 || true)
  [ "$differing" = "0" ] || fail "$1 and $2 differ in $differing pixels"
}

# The same input for the headless renderer; its snapshots are the reference.
cat > "$WORK/reference.scn" <<SCN
load $(realpath "$FORM")
activate Demo
click 135 145
tick 300
type "hello"
tick 300
click 125 197
tick 300
mouse move 150 240
tick 300
snapshot Demo $WORK/typed_ref.png
mouse move 200 108
mouse down
mouse move 300 158
mouse up
tick 300
snapshot Demo $WORK/dragged_ref.png
SCN
"$OKIT" script "$WORK/reference.scn" > "$WORK/reference.out" || fail "headless reference run failed"

"$OKIT" run "$FORM" > "$WORK/okit.log" 2>&1 &
OKIT_PID=$!
WINDOW=$(timeout 10 xdotool search --sync --name "$TITLE" | head -n 1) || fail "no window appeared"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$X,$Y" = "100,100" ] || fail "window at $X,$Y, expected the form's position 100,100"

xdotool mousemove 135 145 click 1
sleep 0.3
xdotool type --delay 20 "hello"
sleep 0.3
xdotool mousemove 125 197 click 1
sleep 0.3
xdotool mousemove 150 240
sleep 0.5
window_shot "$WORK/typed.png"
same_pixels "$WORK/typed.png" "$WORK/typed_ref.png"

# Two equal steps: once the window has caught up with the first, the second
# leaves the pointer where it already was in the window, and the window must
# still follow it.
xdotool mousemove 200 108 mousedown 1
sleep 0.2
xdotool mousemove 250 133
sleep 0.1
xdotool mousemove 300 158
sleep 0.2
xdotool mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$X,$Y" = "200,150" ] || fail "dragged window at $X,$Y, expected 200,150"
window_shot "$WORK/dragged.png"
same_pixels "$WORK/dragged.png" "$WORK/dragged_ref.png"

# The close button sits at the right end of the title bar.
xdotool mousemove $((X + WIDTH - 12)) $((Y + 10)) click 1
for _ in 1 2 3 4 5 6 7 8 9 10; do
  kill -0 "$OKIT_PID" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$OKIT_PID" 2>/dev/null && fail "the close button did not close the window"
wait "$OKIT_PID" || fail "okit run exited with status $?"
OKIT_PID=""
echo "run_gallery: passed"
