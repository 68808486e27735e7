#pragma once
// Sleeping until input arrives, a timer falls due or the program is asked
// to stop. SDL's own wait runs its whole event pump on every wakeup, a dozen
// reads of the display connection; at the hundred wakeups a second a running
// timer asks for, that pump is most of what an idle window costs. On X11 the
// loop therefore sleeps in one poll on the display connection itself, the
// pipe that carries stop requests (stop_requests.h) and, when a screen
// reader bridge runs, the accessibility bus, and leaves SDL's pump out of
// wakeups on which the display sent nothing. Input can also reach SDL by
// other routes (an input method over D-Bus), so the pump still runs at
// least every kLongestSkipMs while timers keep waking the loop; with nothing
// due, such input waits for the next event from the display, as it would in
// SDL's own wait on X11.

#include <SDL.h>

#include <vector>

#include "host/accessibility.h"

namespace okit {

class EventWait {
 public:
  static constexpr double kLongestSkipMs = 50;

  // Sleeps at most `timeout_ms` (-1: until something arrives). Returns
  // whether SDL's pump should run: false only when the display sent nothing
  // and the pump ran recently. `window` is any of our windows (null before
  // there is one); it names the display connection. `stop_fd` wakes the
  // sleep when it becomes readable. An accessibility bridge has its files
  // watched in the same sleep and answers what came on them before this
  // returns.
  bool wait(SDL_Window* window, int timeout_ms, int stop_fd, AccessibilityBridge* bridge);

 private:
  int connection(SDL_Window* window);

  int fd_ = -1;
  bool looked_up_ = false;
  void* display_ = nullptr;
  double last_pump_ms_ = 0;
};

}  // namespace okit
