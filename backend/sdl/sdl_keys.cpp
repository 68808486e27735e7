#include "backend/sdl/sdl_keys.h"

#include "host/desktop.h"

namespace okit {

namespace {

struct KeyPair {
  SDL_Keycode sdl;
  std::int16_t code;
};

// Keys whose codes follow no range of SDL's numbering.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, 8},  {SDLK_TAB, 9},       {SDLK_RETURN, 13},    {SDLK_KP_ENTER, 13},  {SDLK_LSHIFT, 16},
    {SDLK_RSHIFT, 16},    {SDLK_LCTRL, 17},    {SDLK_RCTRL, 17},     {SDLK_LALT, 18},      {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},     {SDLK_CAPSLOCK, 20}, {SDLK_ESCAPE, 27},    {SDLK_SPACE, 32},     {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},  {SDLK_END, 35},      {SDLK_HOME, 36},      {SDLK_LEFT, 37},      {SDLK_UP, 38},
    {SDLK_RIGHT, 39},     {SDLK_DOWN, 40},     {SDLK_INSERT, 45},    {SDLK_DELETE, 46},
};

}  // namespace

std::int16_t key_code_for(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<std::int16_t>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<std::int16_t>('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<std::int16_t>(112 + (key - SDLK_F1));
  for (const KeyPair& pair : kNamedKeys)
    if (pair.sdl == key) return pair.code;
  return 0;
}

std::int16_t shift_mask_for(std::uint16_t modifiers) {
  std::int16_t mask = 0;
  if (modifiers & KMOD_SHIFT) mask |= shift_mask::Shift;
  if (modifiers & KMOD_CTRL) mask |= shift_mask::Ctrl;
  if (modifiers & KMOD_ALT) mask |= shift_mask::Alt;
  return mask;
}

std::int16_t control_character_for(SDL_Keycode key, std::uint16_t modifiers) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return 13;
    case SDLK_BACKSPACE:
      return 8;
    case SDLK_ESCAPE:
      return 27;
    default:
      break;
  }
  // Ctrl+Alt is how some layouts type printable characters, so only Ctrl on
  // its own makes a control character.
  const bool ctrl_only = (modifiers & KMOD_CTRL) && !(modifiers & KMOD_ALT);
  if (ctrl_only && key >= SDLK_a && key <= SDLK_z) return static_cast<std::int16_t>(1 + (key - SDLK_a));
  return 0;
}

}  // namespace okit
