#pragma once
// Typed text (the keyboard's text input, an input method's commit) reaches
// controls as KeyPress, one per character.

#include <cstdint>
#include <string_view>
#include <vector>

namespace okit {

// The characters of typed UTF-8 text as KeyPress arguments. KeyAscii holds
// one UTF-16 unit, read as unsigned: a character up to U+FFFF is its code
// point, one beyond arrives as its two surrogates in turn (a text field puts
// them back together). Control characters are left out: keys type them on
// their own.
std::vector<std::int16_t> typed_characters(std::string_view utf8);

}  // namespace okit
