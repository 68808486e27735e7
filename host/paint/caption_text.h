#pragma once
// Caption text as labels and push buttons draw it: one line at a time, in a
// colour or, when disabled, in the classic embossed grey (grey text over a
// highlight copy one pixel down and right, which reads as etched into the
// surface), with the access-key character underlined.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/geometry.h"

namespace okit {

class Canvas;

struct CaptionStyle {
  std::uint32_t rgb = 0;
  bool bold = false;
  bool enabled = true;
};

// Draws one line with its text cell's top-left corner at `at`, underlining
// the character that starts at byte `underline` of the line, if given.
void draw_caption_line(Canvas& canvas, std::string_view line, Point at, const CaptionStyle& style,
                       std::optional<std::size_t> underline);

struct LinePosition {
  std::size_t line;
  std::size_t offset;  // bytes into that line
};

// Where the access-key character of `caption` landed among `lines`, the
// lines its shown text was broken into: at line breaks (CR LF, CR or LF)
// and at the single spaces that word wrapping drops.
std::optional<LinePosition> locate_access_key(std::string_view caption, const std::vector<std::string>& lines);

}  // namespace okit
