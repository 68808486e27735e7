// DragWindow for real windows: the dragged window follows the system's mouse
// until the left button is released. The loop keeps the desktop alive while
// it runs: the clock advances, timers fire and repainted forms are shown.

#include <cmath>
#include <optional>

#include "backend/sdl/sdl_backend.h"
#include "host/geometry.h"
#include "host/scale.h"

namespace okit {

namespace {

constexpr Uint32 kMoveStepMs = 10;

struct CapturedMouse {
  std::optional<Point> moved_to;  // set when the mouse moved since last asked
  bool left_held = false;
};

// The mouse as the events pumped so far leave it, in screen pixels. SDL's
// global mouse query is no help here: on X11 it answers from a cache that
// misses moves while the pointer is captured. The captured window receives
// every move relative to where it stood when the move happened; the loop
// moves windows only between pumps, so that is where it stands now. Only
// fresh motion counts: the last position, read again after the window moved,
// would be relative to its old place.
CapturedMouse captured_mouse(int scale) {
  SDL_PumpEvents();
  const bool moved = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION) > 0;
  // Queued motion would reach the main loop after the drag, relative to
  // where the window was; the release and everything else stay queued.
  SDL_FlushEvent(SDL_MOUSEMOTION);
  int x = 0, y = 0, window_x = 0, window_y = 0;
  const Uint32 buttons = SDL_GetMouseState(&x, &y);
  CapturedMouse mouse;
  mouse.left_held = (buttons & SDL_BUTTON_LMASK) != 0;
  if (moved) {
    if (SDL_Window* window = SDL_GetMouseFocus()) SDL_GetWindowPosition(window, &window_x, &window_y);
    mouse.moved_to = Point{static_cast<std::int32_t>(std::floor(static_cast<double>(window_x + x) / scale)),
                           static_cast<std::int32_t>(std::floor(static_cast<double>(window_y + y) / scale))};
  }
  return mouse;
}

}  // namespace

void SdlBackend::move_loop(Element& window) {
  // A nested drag (a handler inside the loop starting another) would fight
  // over the mouse; the outer loop keeps it.
  if (dragging_) return;
  dragging_ = true;
  auto keep_alive = window.shared_from_this();
  Point from = desktop_.cursor();
  while (window.alive()) {
    const CapturedMouse mouse = captured_mouse(windows_.scale());
    if (!mouse.left_held) break;
    if (mouse.moved_to && *mouse.moved_to != from) {
      const Point to = *mouse.moved_to;
      const double dx = (to.x - from.x) * kTwipsPerPixel, dy = (to.y - from.y) * kTwipsPerPixel;
      window.set_bounds_twips(window.left_twips() + dx, window.top_twips() + dy, window.width_twips(),
                              window.height_twips());
      desktop_.set_cursor(to);
      from = to;
    }
    advance_clock();
    desktop_.do_events();
    windows_.update(desktop_);
    SDL_Delay(kMoveStepMs);
  }
  dragging_ = false;
}

}  // namespace okit
