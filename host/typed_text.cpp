#include "host/typed_text.h"

#include "host/utf8.h"

namespace okit {

std::vector<std::int16_t> typed_characters(std::string_view utf8) {
  std::vector<std::int16_t> characters;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t ch = next_code_point(utf8, pos);
    if (ch >= 0x20 && ch <= 0x7FFF && ch != 0x7F) characters.push_back(static_cast<std::int16_t>(ch));
  }
  return characters;
}

}  // namespace okit
