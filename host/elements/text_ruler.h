#pragma once
// TextRuler: where the characters of one line of text lie, in pixels from the
// start of the text, as the field's font draws it (Font::character_spans).
// In left-to-right text the caret boundaries are plain running sums; in
// mixed-direction text a boundary's caret stands at the leading edge of the
// character after it, so the caret moves in logical order and is drawn at
// its visual place. The mouse turns a pixel into a caret position with it,
// the selection is highlighted in its visual pieces, and the horizontal
// scrolling keeps the caret inside the field with it.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "host/export.h"
#include "host/text/character_span.h"

namespace okit {

class OKIT_EXPORT TextRuler {
 public:
  explicit TextRuler(std::vector<CharacterSpan> characters);

  std::int32_t length() const { return static_cast<std::int32_t>(characters_.size()); }  // in characters
  int width() const { return stops_.back(); }
  // The caret x of boundary `boundary` (clamped to the text): the leading
  // edge of the character after it, or the trailing edge of the last one.
  int x_of(std::int32_t boundary) const;
  // The boundary nearest to `x`: a point in the leading half of a character
  // lies before it, one in the trailing half after it.
  std::int32_t boundary_nearest(int x) const;
  // The character under `x`, or the one nearest it at either end; 0 for an
  // empty text.
  std::int32_t character_at(int x) const;
  // The pixel ranges [left, right) a selection of characters [first, last)
  // covers, left to right: one piece in text of one direction.
  std::vector<std::pair<int, int>> pieces(std::int32_t first, std::int32_t last) const;

  // Every boundary's x, in ascending order: the places the field may scroll
  // to. stop(k) is the k-th of them (clamped), stops() all of them.
  const std::vector<int>& stops() const { return stops_; }
  int stop(std::int32_t k) const { return stops_[static_cast<std::size_t>(std::clamp(k, 0, length()))]; }

 private:
  std::vector<CharacterSpan> characters_;
  std::vector<int> stops_;
};

// The first visible stop of a field `width` pixels wide that shows the
// ruler's text from stop `first` on, moved as little as needed to keep the
// caret (one pixel wide, at boundary `caret`) in view, and moved back when
// the text from there on no longer fills the field, so that deleting at the
// end of a long text brings the hidden start back into view.
OKIT_EXPORT std::int32_t scrolled_to_caret(const TextRuler& ruler, std::int32_t first, std::int32_t caret, int width);

}  // namespace okit
