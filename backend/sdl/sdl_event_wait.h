#pragma once
// Sleeping until input arrives or a timer falls due. SDL's own wait runs its
// whole event pump on every wakeup, a dozen reads of the display connection;
// at the hundred wakeups a second a running timer asks for, that pump is most
// of what an idle window costs. On X11 the loop therefore sleeps on the
// display connection itself and leaves SDL's pump out of wakeups on which
// the display sent nothing. Input can also reach SDL by other routes (an
// input method over D-Bus, a signal), so the pump still runs at least every
// kLongestSkipMs while timers keep waking the loop, and a loop with nothing
// due sleeps in SDL's own wait.

#include <SDL.h>

#include <vector>

#include "host/accessibility.h"

namespace okit {

class EventWait {
 public:
  static constexpr double kLongestSkipMs = 50;

  // Sleeps at most `timeout_ms` (-1: until input arrives). Returns whether
  // SDL's pump should run: false only when the time ran out on X11 with
  // nothing sent by the display and the pump ran recently. `window` is any
  // of our windows; it names the display connection. An accessibility
  // bridge, when there is one, has its files watched in the same sleep and
  // answers what came on them before this returns.
  bool wait(SDL_Window* window, int timeout_ms, AccessibilityBridge* bridge);

 private:
  int connection(SDL_Window* window);
  bool wait_with(AccessibilityBridge& bridge, int fd, int timeout_ms);

  int fd_ = -1;
  bool looked_up_ = false;
  void* display_ = nullptr;
  double last_pump_ms_ = 0;
};

}  // namespace okit
