#include "host/typed_text.h"

#include "host/utf8.h"

namespace okit {

std::vector<std::int16_t> typed_characters(std::string_view utf8) {
  std::vector<std::int16_t> characters;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t ch = next_code_point(utf8, pos);
    if (ch < 0x20 || ch == 0x7F) continue;
    const auto unit = [&characters](char32_t value) {
      characters.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    };
    if (ch < 0x10000) {
      unit(ch);
    } else {
      unit(0xD800 + ((ch - 0x10000) >> 10));
      unit(0xDC00 + ((ch - 0x10000) & 0x3FF));
    }
  }
  return characters;
}

}  // namespace okit
