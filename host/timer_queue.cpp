#include "host/timer_queue.h"

#include <algorithm>

#include "host/elements/timer.h"

namespace okit {

double TimerQueue::period_of(const Timer& timer) const {
  return std::max<double>(timer.Interval(), minimum_period_);
}

void TimerQueue::start(Timer& timer) {
  stop(timer);
  entries_.push_back({&timer, now_ + period_of(timer)});
}

void TimerQueue::stop(Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool TimerQueue::running(const Timer& timer) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.timer == &timer; });
}

double TimerQueue::next_due() const {
  double due = -1;
  for (const Entry& e : entries_)
    if (due < 0 || e.due < due) due = e.due;
  return due;
}

bool TimerQueue::fire_next(double until) {
  Entry* next = nullptr;
  for (Entry& e : entries_) {
    if (e.due > until) continue;
    if (!next || e.due < next->due ||
        (e.due == next->due && e.timer->creation_order() < next->timer->creation_order()))
      next = &e;
  }
  if (!next) return false;
  Timer& timer = *next->timer;
  now_ = std::max(now_, next->due);
  next->due += period_of(timer);
  timer.fire();  // may stop, restart or destroy timers: `next` is not used after this
  return true;
}

void TimerQueue::clear() { entries_.clear(); }

}  // namespace okit
