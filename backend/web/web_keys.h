#pragma once
// Translation of the browser's keyboard events into the host's key
// messages. Keys are named by KeyboardEvent.code, the key's place on the
// keyboard ("KeyA", "Digit1", "ArrowLeft"), as the classic key codes name
// keys rather than the characters they type.

#include <cstdint>
#include <string_view>

namespace okit {

// The key code for a KeyboardEvent.code, or 0 for a key the host has no
// code for.
std::int16_t key_code_for_dom(std::string_view code);

// The control character a pressed key types (Enter 13, Backspace 8, Escape
// 27, Ctrl+letter 1..26), or 0. Printable characters arrive separately, as
// the hidden text field's input.
std::int16_t control_character_for_dom(std::string_view code, std::int16_t shift);

}  // namespace okit
