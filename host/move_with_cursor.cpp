#include "host/move_with_cursor.h"

#include "host/scale.h"

namespace okit {

void move_with_cursor(Desktop& desktop, Element& window, Point p) {
  const Point from = desktop.cursor();
  desktop.set_cursor(p);
  const double dx = (p.x - from.x) * kTwipsPerPixel, dy = (p.y - from.y) * kTwipsPerPixel;
  window.set_bounds_twips(window.left_twips() + dx, window.top_twips() + dy, window.width_twips(),
                          window.height_twips());
}

}  // namespace okit
