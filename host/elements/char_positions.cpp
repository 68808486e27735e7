#include "host/elements/char_positions.h"

#include "host/utf8.h"

namespace okit::chars {

std::int32_t count(std::string_view text) {
  std::int32_t n = 0;
  for (std::size_t pos = 0; pos < text.size(); ++n) next_code_point(text, pos);
  return n;
}

std::size_t byte_offset(std::string_view text, std::int32_t index) {
  std::size_t pos = 0;
  for (std::int32_t i = 0; i < index && pos < text.size(); ++i) next_code_point(text, pos);
  return pos;
}

std::string_view slice(std::string_view text, std::int32_t first, std::int32_t length) {
  const std::size_t begin = byte_offset(text, first);
  return text.substr(begin, byte_offset(text.substr(begin), length));
}

}  // namespace okit::chars
