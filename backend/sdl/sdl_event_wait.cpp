#include "backend/sdl/sdl_event_wait.h"

#include "backend/sdl/sdl_backend.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>

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

bool EventWait::wait(SDL_Window* window, int timeout_ms, int stop_fd, AccessibilityBridge* bridge) {
  const int fd = connection(window);
  if (fd < 0) {
    // Not X11: SDL's own wait, looking at the stop requests at least every
    // kLongestSkipMs.
    const int got =
        SDL_WaitEventTimeout(nullptr, timeout_ms < 0 ? static_cast<int>(kLongestSkipMs)
                                                     : std::min(timeout_ms, static_cast<int>(kLongestSkipMs)));
    last_pump_ms_ = real_milliseconds();
    return got == 1;
  }
  // Events SDL or Xlib already hold, or that arrived with the reply to an
  // earlier request, would not wake a sleep on the connection. XPending also
  // sends what we asked of the display so far.
  const bool waiting = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0 ||
                       XPending(x_display(display_)) > 0;
  std::vector<WatchedFile> files{{fd, POLLIN, 0}};
  if (stop_fd >= 0) files.push_back({stop_fd, POLLIN, 0});
  if (waiting) timeout_ms = 0;
  if (bridge) timeout_ms = bridge->prepare(files, timeout_ms);
  std::vector<pollfd> polled;
  for (const WatchedFile& file : files) polled.push_back({file.fd, file.events, 0});
  poll(polled.data(), polled.size(), timeout_ms);
  for (std::size_t i = 0; i < files.size(); ++i) files[i].revents = polled[i].revents;
  if (bridge) bridge->dispatch(files);
  // Data, a hang-up or an error on the connection: the pump sorts it out.
  const bool sent = waiting || files.front().revents != 0;
  const double now = real_milliseconds();
  if (!sent && now - last_pump_ms_ < kLongestSkipMs) return false;
  last_pump_ms_ = now;
  return true;
}

}  // namespace okit
