"""Walks an OpalineKit program's accessible tree over AT-SPI and checks that
it is the tree `okit render --tree` prints for the same form (roles, names
and nesting). With --operate, on the gallery form, it also checks states and
extents (against the window's pixels) and operates it: the OK button's
click action, setting a text box's text through EditableText, toggling a
check box by its action, and Tab moving the focus. Exits 1 with a message on
the first thing that is wrong.

usage: walk_and_operate.py PROGRAM OKIT FORM WORK_DIR [--operate]
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program, okit, form, work = sys.argv[1:5]
operate = "--operate" in sys.argv[5:]
events = []


def fail(message):
    print(f"walk_and_operate: {message}", file=sys.stderr)
    sys.exit(1)


def pump(seconds, until=None):
    """Runs the client's main loop for at most `seconds`, or until `until()`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        if until and until():
            return True
        time.sleep(0.01)
    return until() if until else True


def find_application():
    """The program, once it is on the bus: the client learns of it from
    events, so the main loop runs while it waits (a slow start, under a
    sanitizer, comes after the client's first look)."""
    found = []

    def look():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == program and app.childCount > 0:
                found.append(app)
                return True
        return False

    if not pump(30, look):
        fail(f"no application named {program} on the accessibility bus")
    return found[0]


def walk(node, depth=0, out=None):
    out = [] if out is None else out
    out.append((depth, node))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, out)
    return out


def by_name(tree, role, name):
    for _, node in tree:
        if node.getRoleName() == role and node.name == name:
            return node
    fail(f"no {role} named {name!r}; the tree: " + "; ".join(f"{n.getRoleName()} {n.name!r}" for _, n in tree))


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def record(event):
    events.append((event.type, event.source.name if event.source else "", event.detail1))


for kind in ("object:state-changed", "object:text-changed", "focus:"):
    pyatspi.Registry.registerEventListener(record, kind)

# The words `okit render --tree` uses for the roles the bridge publishes.
TREE_ROLE = {"check box": "checkbox", "push button": "button", "text": "textbox", "password text": "textbox",
             "panel": "group", "page tab list": "tablist", "title bar": "window", "label": "label",
             "image": "image"}


def published_lines(frame):
    """The frame's controls as `okit render --tree` lines (role and name),
    leaving out the parts of controls, which that tree does not list: a tab
    strip's tabs and the title bar's close button."""
    lines = []

    def visit(node, depth):
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            role = child.getRoleName()
            if role == "page tab" or (node.getRoleName() == "title bar" and i == 0):
                continue
            lines.append("  " * depth + f'{TREE_ROLE.get(role, role)} "{child.name}"')
            visit(child, depth + 1)

    visit(frame, 0)
    return lines


app = find_application()
tree = walk(app)
frame = app.getChildAtIndex(0)
if frame.getRoleName() != "frame":
    fail(f"the first window is a {frame.getRoleName()}")
if "active" not in states(frame):
    fail("the only window is not active")
printed = subprocess.run([okit, "render", form, "-o", f"{work}/tree.png", "--tree"], capture_output=True,
                         text=True, check=True).stdout.splitlines()
expected = [line[:line.index('"', line.index('"') + 1) + 1] for line in printed]
if published_lines(frame) != expected:
    fail("the published tree differs from okit render --tree:\n" + "\n".join(published_lines(frame)) +
         "\n--- okit render --tree:\n" + "\n".join(expected))
if not operate:
    print(f"walk_and_operate: the published tree of {frame.name!r} is the one okit render --tree prints")
    sys.exit(0)

# Roles, names and states, as each control describes itself.
title = by_name(tree, "title bar", "OpalineKit gallery")
close = by_name(tree, "push button", "Close")
if close not in [title.getChildAtIndex(i) for i in range(title.childCount)]:
    fail("the close button is not a part of the title bar")
bold = by_name(tree, "check box", "Fett")
if not {"checked", "focused", "focusable", "enabled"} <= states(bold):
    fail(f"Fett: {sorted(states(bold))}")
if "indeterminate" not in states(by_name(tree, "check box", "Unterstrichen")):
    fail("Unterstrichen is not indeterminate")
apply = by_name(tree, "push button", "Anwenden")
if "enabled" in states(apply) or "sensitive" in states(apply):
    fail("the disabled button says it is enabled")
locked = by_name(tree, "text", "LockedText")
if "editable" in states(locked):
    fail("a disabled text box says it is editable")
tabs = by_name(tree, "page tab list", "Tabs")
if [tabs.getChildAtIndex(i).getRoleName() for i in range(tabs.childCount)] != ["page tab", "page tab"]:
    fail("the tab strip does not hold two page tabs")
if "selected" not in states(tabs.getChildAtIndex(0)):
    fail("the first tab is not selected")

# Extents: the frame is the window's client area, and what the OK button's
# extents cover on the screen is what the headless renderer draws there.
ok = by_name(tree, "push button", "OK")
fx, fy, fw, fh = extents(frame)
x, y, w, h = extents(ok)
if not (fx <= x and fy <= y and x + w <= fx + fw and y + h <= fy + fh and w > 20 and h > 10):
    fail(f"OK at {(x, y, w, h)} lies outside its window {(fx, fy, fw, fh)}")
subprocess.run(["import", "-window", "root", f"{work}/screen.png"], check=True)
subprocess.run(["convert", f"{work}/screen.png", "-crop", f"{w}x{h}+{x}+{y}", "+repage", f"{work}/live.png"], check=True)
subprocess.run(["convert", f"{work}/reference.png", "-crop", f"{w}x{h}+{x - fx}+{y - fy}", "+repage",
                f"{work}/drawn.png"], check=True)
differ = subprocess.run(["compare", "-metric", "AE", f"{work}/live.png", f"{work}/drawn.png", f"{work}/diff.png"],
                        capture_output=True, text=True).stderr.strip()
if differ != "0":
    fail(f"the OK button's extents cover {differ} pixels that differ from the drawn button")


def program_events():
    return open(f"{work}/events.log").read().splitlines()


def logged_after(mark, line):
    """Whether the program printed `line` after its first `mark` lines."""
    return lambda: line in program_events()[mark:]


# Actions: OK's click reaches the program's handler.
action = ok.queryAction()
if action.getName(0) != "click":
    fail(f"OK's action is {action.getName(0)!r}")
mark = len(program_events())
action.doAction(0)
if not pump(5, logged_after(mark, "event OkButton.Click")):
    fail("clicking OK by its action raised no Click")

# EditableText: the program hears Change, the client the inserted text.
name_box = by_name(tree, "text", "NameText")
mark = len(program_events())
name_box.queryEditableText().setTextContents("Hallo")
if not pump(5, logged_after(mark, "event NameText.Change")):
    fail("setting the text raised no Change")
if name_box.queryText().getText(0, -1) != "Hallo":
    fail(f"the text reads {name_box.queryText().getText(0, -1)!r}")
if not pump(2, lambda: any(t.startswith("object:text-changed:insert") and n == "NameText" for t, n, _ in events)):
    fail("no text-changed:insert event for the text box")

# A check box toggled by its action says so with a state event.
italic = by_name(tree, "check box", "Kursiv")
italic.queryAction().doAction(0)
if not pump(5, lambda: ("object:state-changed:checked", "Kursiv", 1) in events):
    fail("toggling Kursiv sent no checked state event")

# Tab moves the focus, and the client hears it in order.
events.clear()
window = subprocess.run(["xdotool", "search", "--name", "OpalineKit gallery"], capture_output=True,
                        text=True).stdout.split()
subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=False)
for _ in range(2):
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    pump(0.5)
pump(2)
focused = [n for t, n, d in events if t == "object:state-changed:focused" and d == 1]
if len(focused) < 2 or focused[:2] != ["Kursiv", "Unterstrichen"]:
    fail(f"Tab moved the focus to {focused}, expected Kursiv then Unterstrichen")
print("walk_and_operate: tree, extents, actions, text, states and focus all as expected")
