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

bool EventWait::wait(SDL_Window* window, int timeout_ms, AccessibilityBridge* bridge) {
  if (bridge) return wait_with(*bridge, window ? connection(window) : -1, timeout_ms);
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

// One poll on the display connection and the bridge's files. With nothing
// due it sleeps there rather than in SDL's wait, which could not wake for
// the bridge: input that reaches SDL by another route then waits for the
// next event from the display or the bus.
bool EventWait::wait_with(AccessibilityBridge& bridge, int fd, int timeout_ms) {
  const bool waiting = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0 ||
                       (display_ && XPending(x_display(display_)) > 0);
  std::vector<WatchedFile> files;
  if (fd >= 0) files.push_back({fd, POLLIN, 0});
  timeout_ms = bridge.prepare(files, waiting ? 0 : timeout_ms);
  std::vector<pollfd> polled;
  for (const WatchedFile& file : files) polled.push_back({file.fd, file.events, 0});
  poll(polled.data(), polled.size(), timeout_ms);
  for (std::size_t i = 0; i < files.size(); ++i) files[i].revents = polled[i].revents;
  bridge.dispatch(files);
  const double now = real_milliseconds();
  const bool sent = waiting || fd < 0 || files.front().revents != 0;
  if (!sent && now - last_pump_ms_ < kLongestSkipMs) return false;
  last_pump_ms_ = now;
  return true;
}

}  // namespace okit
