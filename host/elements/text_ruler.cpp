#include "host/elements/text_ruler.h"

#include <algorithm>

#include "host/utf8.h"

namespace okit {

TextRuler::TextRuler(std::string_view utf8, const Measure& measure) {
  x_.push_back(0);
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t begin = pos;
    next_code_point(utf8, pos);
    x_.push_back(x_.back() + measure(utf8.substr(begin, pos - begin)));
  }
}

int TextRuler::x_of(std::int32_t boundary) const {
  return x_[static_cast<std::size_t>(std::clamp(boundary, 0, length()))];
}

std::int32_t TextRuler::boundary_nearest(int x) const {
  // The first boundary at or right of x, then the nearer of it and the one
  // before; a tie (x exactly in the middle) goes to the right.
  const auto right = std::lower_bound(x_.begin(), x_.end(), x);
  if (right == x_.begin()) return 0;
  if (right == x_.end()) return length();
  const auto left = right - 1;
  const auto index = static_cast<std::int32_t>(right - x_.begin());
  return (x - *left < *right - x) ? index - 1 : index;
}

std::int32_t TextRuler::character_at(int x) const {
  if (length() == 0) return 0;
  const auto after = std::upper_bound(x_.begin(), x_.end(), x);
  return std::clamp(static_cast<std::int32_t>(after - x_.begin()) - 1, 0, length() - 1);
}

std::int32_t scrolled_to_caret(const TextRuler& ruler, std::int32_t first, std::int32_t caret, int width) {
  caret = std::clamp(caret, 0, ruler.length());
  first = std::clamp(first, 0, caret);
  // The caret's pixel column must lie inside the field: x in [0, width - 1].
  const int last_column = width - 1;
  while (first < caret && ruler.x_of(caret) - ruler.x_of(first) > last_column) ++first;
  while (first > 0 && ruler.x_of(ruler.length()) - ruler.x_of(first - 1) <= last_column) --first;
  return first;
}

}  // namespace okit
