// Mouse and keyboard events of the SDL windows, delivered to the desktop.

#include <cmath>

#include "backend/sdl/sdl_backend.h"
#include "backend/sdl/sdl_keys.h"

namespace okit {

namespace {

std::int16_t button_for(std::uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT:
      return mouse_button::Left;
    case SDL_BUTTON_RIGHT:
      return mouse_button::Right;
    case SDL_BUTTON_MIDDLE:
      return mouse_button::Middle;
    default:
      return 0;
  }
}

std::int16_t current_shift() { return shift_mask_for(static_cast<std::uint16_t>(SDL_GetModState())); }

}  // namespace

// Event positions are window pixels; the desktop's screen is the real one
// divided by the scale, and the window stands at its form's origin.
Point SdlBackend::screen_point(Form& form, int x, int y) const {
  const int scale = windows_.scale();
  const Point origin = form.client_screen_origin();
  return {origin.x + static_cast<std::int32_t>(std::floor(static_cast<double>(x) / scale)),
          origin.y + static_cast<std::int32_t>(std::floor(static_cast<double>(y) / scale))};
}

void SdlBackend::handle_mouse_motion(const SDL_MouseMotionEvent& event) {
  Form* form = windows_.form_of(event.windowID);
  if (!form) return;
  desktop_.mouse_move(screen_point(*form, event.x, event.y), current_shift());
}

void SdlBackend::handle_mouse_button(const SDL_MouseButtonEvent& event) {
  Form* form = windows_.form_of(event.windowID);
  const std::int16_t button = button_for(event.button);
  if (!form || !button) return;
  // The window the system delivered the press to is the one on top there:
  // it is activated first (as a click activates a window), so the desktop's
  // stacking agrees before the press is routed, even when the focus event
  // comes later or, without a window manager, never.
  if (event.state == SDL_PRESSED && desktop_.active_form() != form) desktop_.activate(form);
  const Point p = screen_point(*form, event.x, event.y);
  if (p != desktop_.cursor()) desktop_.mouse_move(p, current_shift());
  if (event.state == SDL_PRESSED) {
    give_focus_to_clicked_window(*form);
    // The system decides what makes a double click: a press it counts as a
    // first click never joins the one before.
    if (event.clicks < 2) desktop_.forget_last_press();
    // Moves and the release must reach the pressed control even outside the
    // window.
    SDL_CaptureMouse(SDL_TRUE);
    desktop_.mouse_down(button, current_shift());
  } else {
    desktop_.mouse_up(button, current_shift());
    if (desktop_.buttons_held() == 0) SDL_CaptureMouse(SDL_FALSE);
  }
}

// Without a window manager nothing gives a clicked window the keyboard, so
// the backend asks for it as a window manager would.
void SdlBackend::give_focus_to_clicked_window(Form& form) {
  SDL_Window* window = windows_.window_of(form);
  if (!window || SDL_GetKeyboardFocus() == window) return;
  SDL_RaiseWindow(window);
  SDL_SetWindowInputFocus(window);
  desktop_.activate(&form);
}

// Alt+F4 asks to close the window, as the window manager's close does; the
// forms draw their own title bars, and without a window manager it is the
// keyboard's only way to close one.
void SdlBackend::handle_key(const SDL_KeyboardEvent& event) {
  Form* form = windows_.form_of(event.windowID);
  if (!form) return;
  if (event.state == SDL_PRESSED && event.keysym.sym == SDLK_F4 && (event.keysym.mod & KMOD_ALT) &&
      !(event.keysym.mod & (KMOD_CTRL | KMOD_SHIFT))) {
    desktop_.close_by_user(*form);
    return;
  }
  const std::int16_t code = key_code_for(event.keysym.sym);
  const std::int16_t shift = shift_mask_for(event.keysym.mod);
  if (event.state == SDL_RELEASED) {
    if (code) desktop_.key_up(code, shift);
    return;
  }
  if (code) desktop_.key_down(code, shift);
  if (const std::int16_t ch = control_character_for(event.keysym.sym, event.keysym.mod)) desktop_.key_press(ch);
}

}  // namespace okit
