// Shapes and lines. Every figure is drawn as its rectangle and every border
// pattern as a solid border; the controls use only solid rectangles.

#include "host/elements/line.h"
#include "host/elements/shape.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/paint/rect_math.h"

namespace okit {

namespace {
constexpr std::int16_t kFillSolid = 0;
constexpr std::int16_t kBorderNone = 0;
constexpr std::int16_t kBackOpaque = 1;
}  // namespace

// The border lies inside the rectangle, BorderWidth pixels thick, over the
// fill.
void Shape::paint(Canvas& canvas) const {
  const Rect box = sized(paint_rect());
  if (back_style_ == kBackOpaque) canvas.fill_rect(box, resolve_color(back_color_));
  if (fill_style_ == kFillSolid) canvas.fill_rect(box, resolve_color(fill_color_));
  if (border_style_ == kBorderNone) return;
  const std::uint32_t border = resolve_color(border_color_);
  for (int ring = 0; ring < border_width_; ++ring) canvas.frame_rect(inset(box, ring), border);
}

void Line::paint(Canvas& canvas) const {
  const Rect placed = paint_rect();
  const Point from = start_pixel(), to = end_pixel();
  canvas.line({from.x - placed.left, from.y - placed.top}, {to.x - placed.left, to.y - placed.top},
              resolve_color(border_color_));
}

}  // namespace okit
