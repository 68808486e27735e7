#pragma once
// The host's timers on an injected clock. Nothing here sleeps: a backend
// advances the clock (a script's `tick`, or the real time that passed in an
// SDL loop) and the queue fires what fell due, in time order, ties in the
// order the timers were created.

#include <cstdint>
#include <vector>

#include "host/export.h"

namespace okit {

class Timer;

class OKIT_EXPORT TimerQueue {
 public:
  double now() const { return now_; }
  // The shortest period the host grants; shorter intervals are raised to it.
  double minimum_period() const { return minimum_period_; }
  void set_minimum_period(double ms) { minimum_period_ = ms > 0 ? ms : 1; }

  // (Re)starts a timer: it next fires one period from now.
  void start(Timer& timer);
  void stop(Timer& timer);
  bool running(const Timer& timer) const;

  // Fires the earliest timer due at or before `until`, moving the clock to
  // its due time. Returns false when nothing is due.
  bool fire_next(double until);
  // Moves the clock forward (never back) without firing anything.
  void set_now(double t) {
    if (t > now_) now_ = t;
  }
  // When the next timer is due, or a negative number when none runs.
  double next_due() const;
  void clear();

 private:
  struct Entry {
    Timer* timer;
    double due;
  };
  double period_of(const Timer& timer) const;

  double now_ = 0;
  double minimum_period_ = 10;
  std::vector<Entry> entries_;
};

}  // namespace okit
