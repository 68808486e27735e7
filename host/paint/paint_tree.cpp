#include "host/paint/paint_tree.h"

#include "host/element.h"
#include "host/paint/canvas.h"

namespace okit {

void paint_tree(const Element& root, Canvas& canvas) {
  root.paint(canvas);
  for (const auto& child : root.children()) {
    if (!child->visible()) continue;
    Canvas inside = canvas.within(child->paint_rect());
    if (!inside.empty()) paint_tree(*child, inside);
  }
}

}  // namespace okit
