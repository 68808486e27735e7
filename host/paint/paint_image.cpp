#include "host/elements/image.h"
#include "host/paint/canvas.h"
#include "host/paint/rect_math.h"

namespace okit {

// Without a picture an image is transparent: what lies behind shows through.
void Image::paint(Canvas& canvas) const {
  if (!picture_) return;
  const Bitmap& bitmap = *picture_->bitmap();
  if (stretch_)
    canvas.stretch(bitmap, sized(paint_rect()));
  else
    canvas.blit(bitmap, {0, 0});
}

}  // namespace okit
