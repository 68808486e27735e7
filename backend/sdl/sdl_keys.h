#pragma once
// Translation of SDL's keyboard events into the host's key messages: key codes
// of the classic virtual-key set, the Shift/Ctrl/Alt mask, and the characters
// that KeyPress delivers.

#include <SDL.h>

#include <cstdint>

// Text input becomes KeyPress characters as all typed text does, in the
// desktop's commit_text.
#include "host/typed_text.h"

namespace okit {

// The key code for an SDL key, or 0 for a key the host has no code for.
std::int16_t key_code_for(SDL_Keycode key);

// The host's shift mask (Shift 1, Ctrl 2, Alt 4) for SDL's modifier state.
std::int16_t shift_mask_for(std::uint16_t modifiers);

// The control character a pressed key types (Enter 13, Backspace 8, Escape
// 27, Ctrl+letter 1..26), or 0 when the key types none. Printable characters
// arrive separately, as text input.
std::int16_t control_character_for(SDL_Keycode key, std::uint16_t modifiers);

}  // namespace okit
