#pragma once
// Key names of the scenario language ("Shift+Tab", "Ctrl+A", "F5") and the
// character a key types.

#include <cstdint>
#include <optional>
#include <string_view>

namespace okit {

struct KeyStroke {
  std::int16_t key_code = 0;
  std::int16_t shift = 0;  // Shift 1, Ctrl 2, Alt 4
};

std::optional<KeyStroke> parse_key(std::string_view name);

// The KeyAscii a stroke types, or 0 when it types nothing (arrows, F keys,
// Tab, Alt combinations).
std::int16_t typed_character(const KeyStroke& stroke);

// The stroke that types an ASCII character ('A' is Shift+A, '!' Shift+1), or
// nullopt for characters no key of the layout types.
std::optional<KeyStroke> stroke_for_character(char c);

}  // namespace okit
