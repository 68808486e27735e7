#include "host/paint/bevel.h"

#include "host/paint/canvas.h"
#include "host/paint/rect_math.h"

namespace okit {

void draw_edge(Canvas& canvas, Rect box, std::uint32_t top_left, std::uint32_t bottom_right) {
  if (is_empty(box)) return;
  canvas.fill_rect({box.left, box.top, box.right - 1, box.top + 1}, top_left);
  canvas.fill_rect({box.left, box.top + 1, box.left + 1, box.bottom - 1}, top_left);
  canvas.fill_rect({box.right - 1, box.top, box.right, box.bottom}, bottom_right);
  canvas.fill_rect({box.left, box.bottom - 1, box.right - 1, box.bottom}, bottom_right);
}

}  // namespace okit
