// The plain surfaces: forms, control surfaces and picture boxes fill their
// background; a control surface also shows what Print drew on it.

#include "host/elements/picture_box.h"
#include "host/form.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/paint/rect_math.h"
#include "host/user_control.h"

namespace okit {

void Form::paint(Canvas& canvas) const { canvas.fill_rect(client_pixels(), resolve_color(back_color_)); }

// The printed list is the surface's persistent drawing: whatever AutoRedraw
// says, text stays until the next Cls, as on a surface with a backing bitmap.
void UserControl::paint(Canvas& canvas) const {
  canvas.fill_rect(sized(paint_rect()), resolve_color(back_color_));
  for (const PrintedText& printed : printed_) canvas.text(printed.text, printed.at, false, resolve_color(printed.color));
}

void PictureBox::paint(Canvas& canvas) const { canvas.fill_rect(sized(paint_rect()), resolve_color(back_color_)); }

}  // namespace okit
