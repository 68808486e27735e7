#include "backend/headless/headless_backend.h"

#include "host/move_with_cursor.h"

namespace okit {

HeadlessBackend::HeadlessBackend(Desktop& desktop)
    : desktop_(desktop), compositor_(desktop, kDesktopWidth, kDesktopHeight) {
  desktop_.set_move_loop([this](Element& window) { move_loop(window); });
}

HeadlessBackend::~HeadlessBackend() { desktop_.set_move_loop(nullptr); }

void HeadlessBackend::move_loop(Element& window) {
  // A nested drag (a handler inside the loop starting another) would fight
  // over the cursor; the outer loop keeps it.
  if (dragging()) return;
  auto keep_alive = window.shared_from_this();  // the script may unload it
  dragged_ = window.weak_from_this();
  while ((desktop_.buttons_held() & mouse_button::Left) && window.alive()) {
    if (!pump_ || !pump_()) break;
  }
  dragged_.reset();
}

void HeadlessBackend::mouse_move(Point p) {
  auto locked = dragged_.lock();
  auto* window = static_cast<Element*>(locked.get());
  if (!window || !window->alive()) {
    desktop_.mouse_move(p);
    return;
  }
  move_with_cursor(desktop_, *window, p);
}

}  // namespace okit
