// Label painting: lines from display_lines(), one line height apart, each
// aligned on its own within the label's width.

#include "host/elements/label.h"
#include "host/font.h"
#include "host/paint/canvas.h"
#include "host/paint/caption_text.h"
#include "host/paint/colors.h"
#include "host/paint/rect_math.h"

namespace okit {

namespace {

constexpr std::int16_t kOpaque = 1;
constexpr std::int16_t kAlignRight = 1;
constexpr std::int16_t kAlignCentre = 2;

// Centring rounds down, so a line one pixel narrower than the room sits one
// pixel nearer the left edge, and a line wider than the label overhangs
// both edges alike.
int line_left(std::int16_t alignment, int room, int line_width) {
  if (alignment == kAlignRight) return room - line_width;
  if (alignment == kAlignCentre) return (room - line_width) >> 1;
  return 0;
}

}  // namespace

void Label::paint(Canvas& canvas) const {
  const Rect box = sized(paint_rect());
  if (back_style_ == kOpaque) canvas.fill_rect(box, resolve_color(back_color_));
  const Font& font = default_font();
  const auto lines = display_lines();
  const auto access_key = use_mnemonic_ ? locate_access_key(caption_, lines) : std::nullopt;
  const CaptionStyle style{resolve_color(fore_color_), font_bold_, enabled()};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Point at{line_left(alignment_, box.width(), font.text_width(lines[i], font_bold_)),
                   static_cast<std::int32_t>(i) * font.line_height()};
    std::optional<std::size_t> underline;
    if (access_key && access_key->line == i) underline = access_key->offset;
    draw_caption_line(canvas, lines[i], at, style, underline);
  }
}

}  // namespace okit
