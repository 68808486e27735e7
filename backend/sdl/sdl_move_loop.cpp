// DragWindow for real windows: the dragged window follows the system's mouse
// until the left button is released. The loop keeps the desktop alive while
// it runs: the clock advances, timers fire and repainted forms are shown.

#include <cmath>

#include "backend/sdl/sdl_backend.h"
#include "host/geometry.h"
#include "host/scale.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace okit {

namespace {

constexpr Uint32 kMoveStepMs = 10;

struct SystemPointer {
  Point at;  // in the desktop's pixels: the screen's divided by the scale
  bool left_held = false;
};

// Where the system's pointer is and whether its left button is held. On X11
// the server itself is asked. SDL cannot tell: its global query
// answers from a cache that misses moves while the pointer is captured, and
// it drops a motion event that leaves the pointer where it last was in the
// window. Once the dragged window has caught up with the pointer, every move
// does that, and the window would stop a move short of the pointer. Other
// video drivers get SDL's global query.
SystemPointer system_pointer(SDL_Window* any_window, int scale) {
  int x = 0, y = 0;
  bool left_held = false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (any_window && SDL_GetWindowWMInfo(any_window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    Display* display = info.info.x11.display;
    Window root = 0, child = 0;
    int window_x = 0, window_y = 0;
    unsigned int buttons = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &window_x, &window_y, &buttons);
    left_held = (buttons & Button1Mask) != 0;
  } else {
    left_held = (SDL_GetGlobalMouseState(&x, &y) & SDL_BUTTON_LMASK) != 0;
  }
  return {{static_cast<std::int32_t>(std::floor(static_cast<double>(x) / scale)),
           static_cast<std::int32_t>(std::floor(static_cast<double>(y) / scale))},
          left_held};
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
    // Queued motion would reach the main loop after the drag, relative to
    // where the window was; the release and everything else stay queued.
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_MOUSEMOTION);
    const SystemPointer pointer = system_pointer(windows_.any_window(), windows_.scale());
    if (!pointer.left_held) break;
    if (pointer.at != from) {
      const Point to = pointer.at;
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
