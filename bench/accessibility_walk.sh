#!/bin/sh
# How long an AT-SPI client takes to walk the whole accessible tree of a form
# of 100 controls: role, name, states and extents of every object, as a
# screen reader reads a window it enters. Runs `okit run` under its own D-Bus
# session and a private Xvfb, walks six times with Atspi (the library under
# pyatspi and the screen readers) and prints each time and the median of the
# last five.
#
# usage: bench/accessibility_walk.sh OKIT
set -eu

if [ -z "${OKIT_WALK_SESSION:-}" ]; then
  export OKIT_WALK_SESSION=1
  exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

OKIT=$1
WORK=$(mktemp -d)
PID=""
cleanup() {
  [ -n "$PID" ] && kill "$PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# 100 controls: 25 rows of a label, a text box, a check box and a button.
/usr/bin/python3 - "$WORK/hundred.frm" <<'PY'
import sys
rows = []
for r in range(25):
    top = 60 + r * 300
    for kind, name, left, width, extra in (
            ("Host.Label", f"Label{r}", 60, 1200, f'Caption = "Row {r}"'),
            ("Host.TextBox", f"Text{r}", 1320, 1800, f'Text = "value {r}"'),
            ("OpalineKit.chk_Opaline_CheckBox", f"Check{r}", 3240, 1500, f'Caption = "Option {r}"'),
            ("OpalineKit.cmd_Opaline_Button", f"Button{r}", 4860, 1200, f'Caption = "Go {r}"')):
        rows.append(f"   Begin {kind} {name}\n      Height = 285\n      Left = {left}\n      Top = {top}\n"
                    f"      Width = {width}\n      {extra}\n   End")
open(sys.argv[1], "w").write(
    'VERSION 5.00\nObject = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"\n'
    'Begin Host.Form Hundred\n   Caption = "Hundred"\n   ClientHeight = 7700\n   ClientWidth = 6200\n'
    + "\n".join(rows) + "\nEnd\n")
PY
"$OKIT" run "$WORK/hundred.frm" >"$WORK/okit.log" 2>&1 &
PID=$!

/usr/bin/python3 - <<'PY'
# As a screen reader does: Atspi's own event loop runs, so what the client
# has read once (roles, names, states) is kept and updated from events.
import statistics, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib

def find():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "okit" and app.get_child_count() > 0:
            return app
    return None

def walk(node):
    count = 1
    node.get_role(); node.get_name(); node.get_state_set()
    node.get_extents(Atspi.CoordType.SCREEN)
    for i in range(node.get_child_count()):
        count += walk(node.get_child_at_index(i))
    return count

deadline = time.monotonic() + 30

def measure():
    # The client learns of the program from events: look again on the next
    # turn of the loop until it is there.
    app = find()
    if app is None:
        if time.monotonic() > deadline:
            raise SystemExit("okit is not on the accessibility bus")
        return True
    times = []
    for _ in range(6):
        start = time.perf_counter()
        objects = walk(app)
        times.append((time.perf_counter() - start) * 1000)
    print("walked %d objects: first %.1f ms (reads everything), then %s ms; median %.1f ms"
          % (objects, times[0], ", ".join("%.1f" % t for t in times[1:]), statistics.median(times[1:])))
    Atspi.event_quit()
    return False

GLib.timeout_add(200, measure)
Atspi.event_main()
PY
