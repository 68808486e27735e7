#include "host/elements/mnemonic.h"

#include <cctype>

namespace okit {

std::string escape_mnemonic(std::string_view text) {
  std::string caption;
  for (char c : text) caption += c == '&' ? std::string_view("&&") : std::string_view(&c, 1);
  return caption;
}

std::string strip_mnemonic(std::string_view caption) {
  std::string shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // show what the marker precedes
    shown += caption[i];
  }
  return shown;
}

char mnemonic_of(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    const auto marked = static_cast<unsigned char>(caption[i + 1]);
    if (marked == '&') {
      ++i;  // an escaped ampersand
      continue;
    }
    return marked < 0x80 ? static_cast<char>(std::tolower(marked)) : 0;
  }
  return 0;
}

std::optional<std::size_t> mnemonic_offset(std::string_view caption) {
  std::size_t shown = 0;
  for (std::size_t i = 0; i < caption.size(); ++i, ++shown) {
    if (caption[i] != '&' || i + 1 == caption.size()) continue;
    ++i;  // the marker itself is not shown
    if (caption[i] != '&') return shown;
  }
  return std::nullopt;
}

}  // namespace okit
