// The host's edit field: a border, the text one pixel in from it, and the
// selection in the highlight colours. The text is drawn twice where it is
// selected, the second time clipped to the highlight, so a glyph cut by the
// selection edge is coloured exactly as far as the highlight reaches.

#include "host/elements/char_positions.h"
#include "host/elements/text_box.h"
#include "host/font.h"
#include "host/paint/bevel.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/paint/rect_math.h"

namespace okit {

namespace {

constexpr std::int16_t kAppearance3D = 1;
// Space between the inside of the border and the text cell.
constexpr int kTextInset = 1;

// The classic sunken field: shadow over highlight outside, dark shadow over
// light inside. Returns the border's width.
int draw_field_border(Canvas& canvas, Rect box, std::int16_t appearance) {
  if (appearance != kAppearance3D) {
    canvas.frame_rect(box, system_color(SystemColor::WindowFrame));
    return 1;
  }
  draw_edge(canvas, box, system_color(SystemColor::ButtonShadow), system_color(SystemColor::ButtonHighlight));
  draw_edge(canvas, inset(box, 1), system_color(SystemColor::DarkShadow3D), system_color(SystemColor::Light3D));
  return 2;
}

}  // namespace

void TextBox::paint(Canvas& canvas) const {
  const Rect box = sized(paint_rect());
  canvas.fill_rect(box, resolve_color(back_color_));
  const int border = draw_field_border(canvas, box, appearance_);
  Canvas field = canvas.within(inset(box, border));
  const std::string shown = display_text();
  const Point at{kTextInset, kTextInset};
  const std::uint32_t ink = enabled() ? resolve_color(fore_color_) : system_color(SystemColor::GrayText);
  field.text(shown, at, false, ink);
  if (buffer_.selection_length() == 0 || !shows_selection()) return;

  const Font& font = default_font();
  const std::int32_t first = buffer_.selection_start();
  const std::int32_t last = first + buffer_.selection_length();
  const std::string_view text(shown);
  const Rect highlight{at.x + font.text_width(text.substr(0, chars::byte_offset(text, first)), false), at.y,
                       at.x + font.text_width(text.substr(0, chars::byte_offset(text, last)), false),
                       at.y + font.line_height()};
  field.fill_rect(highlight, system_color(SystemColor::Highlight));
  Canvas selected = field.clipped_to(highlight);
  selected.text(shown, at, false, system_color(SystemColor::HighlightText));
}

}  // namespace okit
