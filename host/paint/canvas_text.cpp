// Text on a canvas: the font draws glyphs into a coverage mask the size of
// the visible part of the text, and every covered pixel takes the colour.
// Glyphs are monochrome, so text stays crisp at any scale.

#include <vector>

#include "host/font.h"
#include "host/paint/canvas.h"
#include "host/paint/rect_math.h"
#include "host/utf8.h"

namespace okit {

namespace {

// How far a glyph may reach outside its text cell: italic-like overhangs,
// the bold extra column, accents above capitals.
constexpr int kInkMargin = 3;

}  // namespace

Rect text_ink_bounds(std::string_view utf8, Point at, bool bold) {
  const Font& font = default_font();
  const Rect cell{at.x, at.y, saturating_add(at.x, font.text_width(utf8, bold)),
                  saturating_add(at.y, font.line_height())};
  return {saturating_add(cell.left, -kInkMargin), saturating_add(cell.top, -kInkMargin),
          saturating_add(cell.right, kInkMargin), saturating_add(cell.bottom, kInkMargin)};
}

int Canvas::text(std::string_view utf8, Point at, bool bold, std::uint32_t rgb) {
  const Font& font = default_font();
  const Rect ink = intersect(text_ink_bounds(utf8, at, bold), clip());
  if (is_empty(ink)) return font.text_width(utf8, bold);
  const int width = ink.width(), height = ink.height();
  thread_local std::vector<std::uint8_t> mask;
  mask.assign(static_cast<std::size_t>(width) * height, 0);
  const int advance = font.draw_text(utf8, bold, mask.data(), width, height, width, at.x - ink.left, at.y - ink.top);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = target_->row(origin_.y + ink.top + y) + origin_.x + ink.left;
    const std::uint8_t* coverage = mask.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x)
      if (coverage[x] != 0) row[x] = rgb;
  }
  return advance;
}

void Canvas::underline_character(std::string_view utf8, std::size_t first_byte, Point at, bool bold, std::uint32_t rgb) {
  if (first_byte >= utf8.size()) return;
  const Font& font = default_font();
  std::size_t index = 0;
  for (std::size_t pos = 0; pos < first_byte; ++index) next_code_point(utf8, pos);
  const CharacterSpan span = font.character_spans(utf8, bold)[index];
  const int y = font.ascent() + 1;
  fill_rect(offset({span.left, y, span.right, y + 1}, at), rgb);
}

}  // namespace okit
