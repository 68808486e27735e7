# Sourced by soak.sh: `act ACTION ARGS` carries out one line of the plan that
# random_input.awk writes, with xdotool. Points are relative to the window,
# whose place soak.sh keeps in X and Y (find_window). EVENTS counts the X
# input events sent: pointer motion, button and key presses and releases.

EVENTS=0
DRAGS=0

clamp() { if [ "$1" -lt "$2" ]; then echo "$2"; elif [ "$1" -gt "$3" ]; then echo "$3"; else echo "$1"; fi; }

# SX SY: a point of the window on the screen, kept on the screen.
on_screen() {
  SX=$(clamp $((X + $1)) 0 $((SCREEN_W - 1)))
  SY=$(clamp $((Y + $2)) 0 $((SCREEN_H - 1)))
}

move_along() {
  command="xdotool"
  while [ $# -ge 2 ]; do
    on_screen "$1" "$2"
    command="$command mousemove $SX $SY sleep 0.02"
    EVENTS=$((EVENTS + 1))
    shift 2
  done
  $command
}

click_at() {
  on_screen "$1" "$2"
  xdotool mousemove "$SX" "$SY" click --repeat "$3" --delay 80 1
  EVENTS=$((EVENTS + 1 + 2 * $3))
}

# A press on the title bar drags the window in eight even steps; the far
# point is pulled in so that the window stays MARGIN pixels inside the
# screen. The window must end where the pointer let go of it.
drag_from_to() {
  dx=$(($(clamp $((X + $3 - $1)) "$MARGIN" $((SCREEN_W - WIDTH - MARGIN))) - X))
  dy=$(($(clamp $((Y + $4 - $2)) "$MARGIN" $((SCREEN_H - HEIGHT - MARGIN))) - Y))
  on_screen "$1" "$2"
  command="xdotool mousemove $SX $SY mousedown 1 sleep 0.1"
  for step in 1 2 3 4 5 6 7 8; do
    command="$command mousemove $((SX + dx * step / 8)) $((SY + dy * step / 8)) sleep 0.03"
  done
  $command sleep 0.15 mouseup 1
  EVENTS=$((EVENTS + 11))
  DRAGS=$((DRAGS + 1))
  expected="$((X + dx)),$((Y + dy))"
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    find_window
    [ "$X,$Y" = "$expected" ] && return 0
    sleep 0.1
  done
  fail "a drag of the title bar to $expected left the window at $X,$Y"
}

# Key names as xdotool takes them; each modifier is pressed and released too.
press_keys() {
  xdotool key --delay 60 "$@"
  for key in "$@"; do
    modifiers=$(printf '%s' "$key" | tr -cd '+' | wc -c)
    EVENTS=$((EVENTS + 2 + 2 * modifiers))
  done
}

act() {
  action=$1
  shift
  case $action in
    move) move_along "$@" ;;
    click) click_at "$@" ;;
    drag) drag_from_to "$@" ;;
    type)
      xdotool type --delay 60 -- "$1"
      EVENTS=$((EVENTS + 2 * ${#1}))
      ;;
    key) press_keys "$@" ;;
    *) fail "unknown action '$action' in the plan" ;;
  esac
}
