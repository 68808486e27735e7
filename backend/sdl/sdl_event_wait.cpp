#include "backend/sdl/sdl_event_wait.h"

#include "backend/sdl/sdl_backend.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

namespace okit {

namespace {
Display* x_display(void* display) { return static_cast<Display*>(display); }
}  // namespace

// The display connection of an X11 window, or -1 for any other video driver.
int EventWait::connection(SDL_Window* window) {
  if (looked_up_ || !window) return fd_;
  looked_up_ = true;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    display_ = info.info.x11.display;
    fd_ = ConnectionNumber(x_display(display_));
  }
  return fd_;
}

bool EventWait::wait(SDL_Window* window, int timeout_ms) {
  const int fd = timeout_ms < 0 ? -1 : connection(window);
  // Events SDL or Xlib already hold, or that arrived with the reply to an
  // earlier request, would not wake a sleep on the connection. XPending also
  // sends what we asked of the display so far.
  if (fd < 0 || SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0 ||
      XPending(x_display(display_)) > 0) {
    const int got = timeout_ms < 0 ? SDL_WaitEvent(nullptr) : SDL_WaitEventTimeout(nullptr, timeout_ms);
    last_pump_ms_ = real_milliseconds();
    return got == 1;
  }
  pollfd connection_ready{fd, POLLIN, 0};
  // Data, an error or a signal: the pump sorts it out.
  const bool sent = poll(&connection_ready, 1, timeout_ms) != 0;
  const double now = real_milliseconds();
  if (!sent && now - last_pump_ms_ < kLongestSkipMs) return false;
  last_pump_ms_ = now;
  return true;
}

}  // namespace okit
