#pragma once

namespace okit {

// Where one character (code point) of a line shows, in pixels from the start
// of the line. In right-to-left text its leading edge, where the caret stands
// before it, is `right`. Code points shaped into one glyph share it in equal
// parts, in reading order.
struct CharacterSpan {
  int left = 0;
  int right = 0;
  bool rtl = false;
  bool operator==(const CharacterSpan&) const = default;
};

}  // namespace okit
