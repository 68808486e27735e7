#include "host/elements/text_ruler.h"

#include <algorithm>

namespace okit {

namespace {

int leading_edge(const CharacterSpan& c) { return c.rtl ? c.right : c.left; }
int trailing_edge(const CharacterSpan& c) { return c.rtl ? c.left : c.right; }

}  // namespace

TextRuler::TextRuler(std::vector<CharacterSpan> characters) : characters_(std::move(characters)) {
  for (std::int32_t boundary = 0; boundary <= length(); ++boundary) stops_.push_back(x_of(boundary));
  std::sort(stops_.begin(), stops_.end());
}

int TextRuler::x_of(std::int32_t boundary) const {
  if (characters_.empty()) return 0;
  boundary = std::clamp(boundary, 0, length());
  if (boundary == length()) return trailing_edge(characters_.back());
  return leading_edge(characters_[static_cast<std::size_t>(boundary)]);
}

std::int32_t TextRuler::boundary_nearest(int x) const {
  // A tie (x exactly in the middle) goes to the boundary after the character.
  for (std::int32_t i = 0; i < length(); ++i) {
    const CharacterSpan& c = characters_[static_cast<std::size_t>(i)];
    if (x < c.left || x >= c.right) continue;
    const bool left_half = x - c.left < c.right - x;
    return left_half != c.rtl ? i : i + 1;
  }
  // Outside every character: the boundary standing furthest to that side.
  std::int32_t nearest = 0;
  for (std::int32_t boundary = 1; boundary <= length(); ++boundary) {
    const bool further = x < stops_.front() ? x_of(boundary) < x_of(nearest) : x_of(boundary) > x_of(nearest);
    if (further) nearest = boundary;
  }
  return nearest;
}

std::int32_t TextRuler::character_at(int x) const {
  if (length() == 0) return 0;
  std::int32_t leftmost = 0, rightmost = 0;
  for (std::int32_t i = 0; i < length(); ++i) {
    const CharacterSpan& c = characters_[static_cast<std::size_t>(i)];
    if (x >= c.left && x < c.right) return i;
    if (c.left < characters_[static_cast<std::size_t>(leftmost)].left) leftmost = i;
    if (c.right >= characters_[static_cast<std::size_t>(rightmost)].right) rightmost = i;
  }
  return x < characters_[static_cast<std::size_t>(leftmost)].left ? leftmost : rightmost;
}

std::vector<std::pair<int, int>> TextRuler::pieces(std::int32_t first, std::int32_t last) const {
  first = std::clamp(first, 0, length());
  last = std::clamp(last, first, length());
  std::vector<std::pair<int, int>> spans;
  for (std::int32_t i = first; i < last; ++i) {
    const CharacterSpan& c = characters_[static_cast<std::size_t>(i)];
    spans.emplace_back(c.left, c.right);
  }
  std::sort(spans.begin(), spans.end());
  std::vector<std::pair<int, int>> merged;
  for (const auto& span : spans) {
    if (!merged.empty() && span.first <= merged.back().second)
      merged.back().second = std::max(merged.back().second, span.second);
    else
      merged.push_back(span);
  }
  return merged;
}

std::int32_t scrolled_to_caret(const TextRuler& ruler, std::int32_t first, std::int32_t caret, int width) {
  const std::vector<int>& stops = ruler.stops();
  const int caret_x = ruler.x_of(caret);
  const auto caret_stop = static_cast<std::int32_t>(std::lower_bound(stops.begin(), stops.end(), caret_x) - stops.begin());
  first = std::clamp(first, 0, caret_stop);
  // The caret's pixel column must lie inside the field: x in [0, width - 1].
  const int last_column = width - 1;
  while (first < caret_stop && caret_x - stops[static_cast<std::size_t>(first)] > last_column) ++first;
  while (first > 0 && stops.back() - stops[static_cast<std::size_t>(first) - 1] <= last_column) --first;
  return first;
}

}  // namespace okit
