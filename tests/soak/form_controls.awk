# Lists the controls of a form file with where they lie in the form's window,
# for input aimed at them: one line per control,
#   NAME CLASS LEFT TOP WIDTH HEIGHT ENABLED
# in pixels from the top left of the client area (15 twips to a pixel).
# A control counts as enabled only when it and every container around it are.
# Positions are relative to the container, whose keys come before the
# controls it holds.

function key_value(line) {
  sub(/^[^=]*=[ \t]*/, "", line)
  sub(/[ \t]*'.*$/, "", line)
  return line + 0
}

tolower($1) == "begin" {
  depth++
  class[depth] = $2; name[depth] = $3
  left[depth] = top[depth] = width[depth] = height[depth] = 0
  enabled[depth] = 1
  next
}

tolower($1) == "end" && depth > 0 {
  # The form itself (depth 1) is the window, not a control in it.
  if (depth > 1) {
    x = 0; y = 0; on = 1
    for (i = 2; i <= depth; i++) { x += left[i]; y += top[i]; on = on && enabled[i] }
    printf "%s %s %d %d %d %d %d\n", name[depth], class[depth], x / 15, y / 15, width[depth] / 15, height[depth] / 15, on
  }
  depth--
  next
}

depth > 0 && /=/ {
  key = $1
  if (key == "Left") left[depth] = key_value($0)
  else if (key == "Top") top[depth] = key_value($0)
  else if (key == "Width") width[depth] = key_value($0)
  else if (key == "Height") height[depth] = key_value($0)
  else if (key == "Enabled") enabled[depth] = key_value($0) != 0
}
