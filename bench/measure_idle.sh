#!/bin/sh
# Idle cost of `okit run`: CPU time and wakeups of a window nobody touches.
#
# usage: bench/measure_idle.sh OKIT FORM [SECONDS]
#
# Starts a private Xvfb (no window manager), runs the form, waits 2 s for
# start-up, then reads the CPU time of every thread of the process from
# /proc/PID/task/*/schedstat (nanoseconds, kernel time included) SECONDS
# apart (default 30), and counts the process's poll calls with strace over
# the same span: the loop sleeps in one poll per wakeup. Needs Xvfb and strace.
set -eu

OKIT=$1
FORM=$2
SECONDS_MEASURED=${3:-30}
DISPLAY_NUMBER=:$((90 + $$ % 100))

Xvfb "$DISPLAY_NUMBER" -screen 0 1280x800x24 >/dev/null 2>&1 &
XVFB_PID=$!
OKIT_PID=""
cleanup() {
  [ -n "$OKIT_PID" ] && kill "$OKIT_PID" 2>/dev/null || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

DISPLAY=$DISPLAY_NUMBER "$OKIT" run "$FORM" >/dev/null 2>&1 &
OKIT_PID=$!
sleep 2

cpu_ns() { cat /proc/"$OKIT_PID"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
before=$(cpu_ns)
sleep "$SECONDS_MEASURED"
after=$(cpu_ns)
wakeups=$(timeout "$SECONDS_MEASURED" strace -c -f -p "$OKIT_PID" 2>&1 | awk '$NF == "poll" { print $4 }')

awk -v ns=$((after - before)) -v s="$SECONDS_MEASURED" -v w="${wakeups:-0}" 'BEGIN {
  printf "cpu %.1f ms over %d s = %.3f%% of one core; %d wakeups = %.1f per second\n", ns / 1e6, s, ns / 1e7 / s, w, w / s
}'
