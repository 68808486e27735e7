#pragma once
// Where SDL's input method support meets the desktop's text fields.

#include <SDL.h>

#include "host/geometry.h"

namespace okit {

// The rectangle SDL_SetTextInputRect takes for a caret line given in screen
// pixels: relative to the window whose client area starts at `window_origin`
// on the screen, in the window's pixels, which are `scale` times larger.
SDL_Rect text_input_rect(const Rect& screen_caret_line, Point window_origin, int scale);

}  // namespace okit
