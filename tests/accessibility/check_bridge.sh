#!/bin/sh
# End-to-end check of the accessibility bridge with a real AT-SPI client
# (Debian's pyatspi): under its own D-Bus session (whose accessibility bus
# D-Bus starts on demand) and a virtual X server, a program built on
# Application runs FORM; walk_and_operate.py walks its tree and compares it
# with `okit render --tree`, and with --operate checks the extents against
# the window's pixels and operates it.
#
# usage: check_bridge.sh APP OKIT FORM [--operate]
set -eu

if [ -z "${OKIT_A11Y_SESSION:-}" ]; then
  export OKIT_A11Y_SESSION=1
  exec timeout 150 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

APP=$1 OKIT=$2 FORM=$3 OPERATE=${4:-}
WORK=$(mktemp -d)
PID=""
cleanup() {
  [ -n "$PID" ] && kill "$PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# What the form looks like, drawn headless: the live window must match it.
"$OKIT" render "$FORM" -o "$WORK/reference.png" >/dev/null
"$APP" "$FORM" >"$WORK/events.log" 2>"$WORK/app.log" &
PID=$!
if ! /usr/bin/python3 "$(dirname "$0")/walk_and_operate.py" "$(basename "$APP")" "$OKIT" "$FORM" "$WORK" $OPERATE; then
  sed 's/^/app: /' "$WORK/app.log" >&2
  sed 's/^/events: /' "$WORK/events.log" >&2
  exit 1
fi
