# Sourced by the end-to-end scripts, after they set E2E_NAME. Without a
# display it runs the calling script again under xvfb-run. Otherwise it gives
# the script a scratch folder WORK, removed on exit together with the okit
# process in OKIT_PID, and `fail MESSAGE`, which prints the message and okit's
# log ($WORK/okit.log) and exits 1.

if [ -z "${DISPLAY:-}" ]; then
  exec timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

WORK=$(mktemp -d)
OKIT_PID=""
cleanup() {
  [ -n "$OKIT_PID" ] && kill "$OKIT_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "$E2E_NAME: $*" >&2
  [ -s "$WORK/okit.log" ] && sed 's/^/okit: /' "$WORK/okit.log" >&2
  exit 1
}
