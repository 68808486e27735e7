# Writes COUNT random user actions on a form, one a line, for soak.sh to
# carry out with xdotool. Reads the control list of form_controls.awk.
#   usage: awk -v seed=N -v count=N -f random_input.awk CONTROLS
# Each line is "PAUSE ACTION ARGS", PAUSE being the seconds to wait after it.
# Points are pixels from the window's top left and may lie outside it:
#   move X Y X Y ...     the pointer along a path
#   click X Y N          N presses of the left button (2: a double click)
#   drag X Y X Y         press at the first point, move to the second, release
#   type TEXT            characters typed into whatever has the focus
#   key KEY ...          xdotool key names, pressed one after the other
# The same seed gives the same lines (with the same awk).

# The caption control's title bar is 20 pixels high; its right end, 46 pixels
# wide, holds the close button, which no random input may press. Points above
# it count too: soak.sh moves points beyond the screen's edge onto it.
function in_close_button(x, y) { return y < title_top + 20 && x >= title_right - 46 && x < title_right }

function between(lo, hi) { return lo + int(rand() * (hi - lo + 1)) }

# A point inside control i, away from the close button; more often near its
# top, where tab headers and title bars lie.
function pick_in(i) {
  do {
    px = between(cx[i], cx[i] + cw[i] - 1); py = cy[i] + int(rand() ^ 3 * ch[i])
  } while (in_close_button(px, py))
}

# Anywhere in the window, or up to `margin` pixels around it.
function pick_anywhere(margin) {
  do { px = between(-margin, win_w + margin); py = between(-margin, win_h + margin) } while (in_close_button(px, py))
}

function move_to(x, y,    steps, s, path) {
  steps = between(2, 6)
  path = "move"
  for (s = 1; s <= steps; s++) path = path " " int(mx + (x - mx) * s / steps) " " int(my + (y - my) * s / steps)
  mx = x; my = y
  return path
}

function click_line(clicks) {
  mx = px; my = py
  return "click " px " " py " " clicks
}

function random_text(    n, s, text) {
  n = between(1, 8); text = ""
  for (s = 0; s < n; s++) text = text substr(alphabet, between(1, length(alphabet)), 1)
  return text
}

{
  n++; cx[n] = $3; cy[n] = $4; cw[n] = $5; ch[n] = $6
  if ($2 ~ /ctl_Opaline_Form$/ && !title_right) { title_left = $3; title_top = $4; title_right = $3 + $5 }
  if ($2 ~ /txt_Opaline_opal$/ && $7) text_boxes[++text_box_count] = n
  if ($3 + $5 > win_w) win_w = $3 + $5
  if ($4 + $6 > win_h) win_h = $4 + $6
}

END {
  srand(seed)
  alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,-"
  # Editing keys; clearing with Ctrl+A and BackSpace keeps the text short.
  key_count = split("BackSpace Delete Left Right Home End shift+Left shift+End space Return Escape ctrl+c ctrl+x ctrl+v ctrl+a,BackSpace", keys, " ")
  # The pointer's place, where the next path starts.
  mx = int(win_w / 2); my = int(win_h / 2)
  # A fifth of the actions are moves, three tenths clicks on controls, the
  # rest clicks elsewhere, drags, typing, editing keys and Tab.
  for (a = 0; a < count; a++) {
    pause = between(20, 160) / 1000
    r = rand()
    if (r < 0.2) {
      pick_anywhere(150); line = move_to(px, py)
    } else if (r < 0.5) {
      pick_in(between(1, n)); line = click_line(rand() < 0.1 ? 2 : 1)
    } else if (r < 0.58) {
      pick_anywhere(150); line = click_line(1)
    } else if (r < 0.66 && title_right) {
      # The title bar moves the window; the pointer keeps its place in it.
      px = between(title_left + 4, title_right - 50); py = between(title_top + 3, title_top + 16)
      line = "drag " px " " py " " (px + between(-300, 300)) " " (py + between(-200, 200)); mx = px; my = py
    } else if (r < 0.86) {
      # Half the time into a text box clicked first, else wherever the focus is.
      if (text_box_count && rand() < 0.5) {
        pick_in(text_boxes[between(1, text_box_count)]); print pause, click_line(1)
      }
      line = "type " random_text()
    } else if (r < 0.93) {
      line = "key " keys[between(1, key_count)]; gsub(/,/, " ", line)
    } else {
      line = "key " (rand() < 0.5 ? "Tab" : "shift+Tab")
    }
    print pause, line
  }
}
