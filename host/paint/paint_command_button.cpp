#include "host/elements/command_button.h"
#include "host/elements/mnemonic.h"
#include "host/font.h"
#include "host/form.h"
#include "host/paint/bevel.h"
#include "host/paint/canvas.h"
#include "host/paint/caption_text.h"
#include "host/paint/colors.h"
#include "host/paint/rect_math.h"

namespace okit {

// Face, then a two-pixel raised bevel: highlight over dark shadow outside,
// light over shadow inside. The focused button first gets a one-pixel frame
// in the window-frame colour and its bevel moves in by that pixel.
void CommandButton::paint(Canvas& canvas) const {
  Rect box = sized(paint_rect());
  canvas.fill_rect(box, system_color(SystemColor::ButtonFace));
  const Form* owner = form();
  if (owner && owner->focused() == this) {
    canvas.frame_rect(box, system_color(SystemColor::WindowFrame));
    box = inset(box, 1);
  }
  draw_edge(canvas, box, system_color(SystemColor::ButtonHighlight), system_color(SystemColor::DarkShadow3D));
  draw_edge(canvas, inset(box, 1), system_color(SystemColor::Light3D), system_color(SystemColor::ButtonShadow));

  const Font& font = default_font();
  const std::string shown = strip_mnemonic(caption_);
  const Rect whole = sized(paint_rect());
  const Point at{(whole.width() - font.text_width(shown, false)) >> 1, (whole.height() - font.line_height()) >> 1};
  const CaptionStyle style{system_color(SystemColor::ButtonText), false, enabled()};
  draw_caption_line(canvas, shown, at, style, mnemonic_offset(caption_));
}

}  // namespace okit
