// Element::invalidate: turns a rectangle of an element into a dirty
// rectangle of its form. On the way up it is cut to every container, since
// children are clipped to their containers and nothing outside them shows.

#include "host/desktop.h"
#include "host/element.h"
#include "host/form.h"
#include "host/paint/rect_math.h"

namespace okit {

void Element::invalidate() {
  const Rect placed = paint_rect();
  invalidate(Rect{0, 0, placed.width(), placed.height()});
}

// The form's own Visible does not count: a hidden form keeps its frame up
// to date, ready for the moment it is shown or rendered.
void Element::invalidate(Rect area) {
  if (!alive_) return;
  Form* owner = form();
  if (!owner) return;
  for (const Element* e = this; e != owner; e = e->parent_) {
    if (!e->visible_) return;
    const Rect placed = e->paint_rect();
    area = offset(intersect(area, {0, 0, placed.width(), placed.height()}), {placed.left, placed.top});
  }
  area = intersect(area, owner->client_pixels());
  if (is_empty(area)) return;
  owner->dirty_region().add(area);
  if (Desktop* on = owner->desktop()) on->advance_look_epoch();
}

}  // namespace okit
