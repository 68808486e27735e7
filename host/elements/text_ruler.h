#pragma once
// TextRuler: where the characters of one line of text lie, in pixels from the
// start of the text, as the field's font draws it. The font has no kerning,
// so every character advances by its own width and the boundaries are plain
// running sums. The mouse turns a pixel into a caret position with it, and
// the horizontal scrolling keeps the caret inside the field with it.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "host/export.h"

namespace okit {

class OKIT_EXPORT TextRuler {
 public:
  // The width in pixels of a piece of UTF-8 text.
  using Measure = std::function<int(std::string_view)>;

  TextRuler(std::string_view utf8, const Measure& measure);

  std::int32_t length() const { return static_cast<std::int32_t>(x_.size()) - 1; }  // in characters
  // The x of the boundary before character `boundary` (clamped to the text);
  // x_of(length()) is the width of the whole text.
  int x_of(std::int32_t boundary) const;
  // The boundary nearest to `x`: a point in the left half of a character
  // lies before it, one in the right half after it.
  std::int32_t boundary_nearest(int x) const;
  // The character under `x`, clamped to the first and the last character;
  // 0 for an empty text.
  std::int32_t character_at(int x) const;

 private:
  std::vector<int> x_;  // x_[i] is the left edge of character i
};

// The first visible character of a field `width` pixels wide that shows the
// ruler's text from character `first` on, moved as little as needed to keep
// the caret (one pixel wide, at boundary `caret`) in view, and moved back
// when the text from there on no longer fills the field, so that deleting at
// the end of a long text brings the hidden start back into view.
OKIT_EXPORT std::int32_t scrolled_to_caret(const TextRuler& ruler, std::int32_t first, std::int32_t caret, int width);

}  // namespace okit
