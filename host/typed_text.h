#pragma once
// Typed text (the keyboard's text input, an input method's commit) reaches
// controls as KeyPress, one per character.

#include <cstdint>
#include <string_view>
#include <vector>

namespace okit {

// The characters of typed UTF-8 text as KeyPress arguments. KeyAscii carries
// a character as its code point in 16 bits, so characters beyond U+7FFF are
// left out; so are control characters, which keys type on their own.
std::vector<std::int16_t> typed_characters(std::string_view utf8);

}  // namespace okit
