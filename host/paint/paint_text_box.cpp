// The host's edit field: a border, the text one pixel in from it, the
// selection in the highlight colours, an input method's composition
// underlined, and the caret. The text is drawn twice where it is
// selected, the second time clipped to the highlight, so a glyph cut by the
// selection edge is coloured exactly as far as the highlight reaches.

#include "host/elements/text_box.h"
#include "host/font.h"
#include "host/paint/bevel.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/paint/rect_math.h"

namespace okit {

namespace {

constexpr std::int16_t kAppearance3D = 1;

// The classic sunken field: shadow over highlight outside, dark shadow over
// light inside; a flat field has a one-pixel frame; a field without a border
// (inside a skinned frame) draws none.
void draw_field_border(Canvas& canvas, Rect box, int width, std::int16_t appearance) {
  if (width == 0) return;
  if (appearance != kAppearance3D) {
    canvas.frame_rect(box, system_color(SystemColor::WindowFrame));
    return;
  }
  draw_edge(canvas, box, system_color(SystemColor::ButtonShadow), system_color(SystemColor::ButtonHighlight));
  draw_edge(canvas, inset(box, 1), system_color(SystemColor::DarkShadow3D), system_color(SystemColor::Light3D));
}

}  // namespace

// The text scrolls sideways to keep the caret in view: it is drawn shifted
// left by the width of the characters before the first visible one, clipped
// to the room between the borders.
void TextBox::paint(Canvas& canvas) const {
  const Rect box = sized(paint_rect());
  canvas.fill_rect(box, resolve_color(back_color_));
  const int border = border_width();
  draw_field_border(canvas, box, border, appearance_);
  const int left = text_left();
  const Font& font = default_font();
  Canvas field = canvas.clipped_to({left, 0, left + text_room(), box.bottom - border});
  const TextRuler positions = ruler();
  const int scroll = positions.stop(first_visible_stop());
  const Point at{left - scroll, left};
  const std::string shown = shown_text();
  const std::uint32_t ink = enabled() ? resolve_color(fore_color_) : system_color(SystemColor::GrayText);
  field.text(shown, at, false, ink);

  if (buffer_.selection_length() != 0 && shows_selection()) {
    const std::int32_t first = buffer_.selection_start();
    // In mixed-direction text a selection may show as several pieces.
    for (const auto& [from, to] : positions.pieces(first, first + buffer_.selection_length())) {
      const Rect highlight{at.x + from, at.y, at.x + to, at.y + font.line_height()};
      field.fill_rect(highlight, system_color(SystemColor::Highlight));
      Canvas selected = field.clipped_to(highlight);
      selected.text(shown, at, false, system_color(SystemColor::HighlightText));
    }
  }
  // An input method's composition is underlined, one pixel below the baseline.
  const CharRange composed = composition_range();
  for (const auto& [from, to] : positions.pieces(composed.begin, composed.end)) {
    const int y = at.y + font.ascent() + 1;
    field.fill_rect({at.x + from, y, at.x + to, y + 1}, ink);
  }
  if (caret_visible()) {
    const int x = at.x + positions.x_of(shown_caret());
    field.fill_rect({x, at.y, x + 1, at.y + font.line_height()}, resolve_color(fore_color_));
  }
}

}  // namespace okit
