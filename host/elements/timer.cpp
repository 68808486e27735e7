#include "host/elements/timer.h"

#include <atomic>

#include "host/desktop.h"

namespace okit {

namespace {
// Orders timers due at the same moment. Only the order of the timers of one
// desktop matters, so desktops can share the count; desktops on other
// threads make timers too, hence the atomic.
std::uint64_t next_creation_order() {
  static std::atomic<std::uint64_t> next{0};
  return next.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

Timer::Timer(std::string name, const Element* host)
    : Element(std::move(name)), host_(host), creation_order_(next_creation_order()) {}

Timer::~Timer() { stop(); }

// Restarts the count on the desktop's queue; on no desktop the timer waits
// for one (on_joined).
void Timer::start() {
  stop();
  Desktop* on = host_ ? host_->desktop() : desktop();
  if (!on) return;
  queue_ = &on->timers();
  queue_->start(*this);
}

void Timer::stop() {
  if (!queue_) return;
  queue_->stop(*this);
  queue_ = nullptr;
}

void Timer::on_joined(Desktop&) {
  if (should_run() && !queue_) start();
}

void Timer::put_Interval(std::int32_t ms) {
  if (ms < 0 || ms > 65535) throw RuntimeError(err::InvalidPropertyValue);
  interval_ = ms;
  if (should_run())
    start();
  else
    stop();
}

void Timer::put_Enabled(bool v) {
  const bool was_running = queue_ != nullptr;
  Element::put_Enabled(v);
  if (!should_run())
    stop();
  else if (!was_running)
    start();
}

// A form being designed is not running: its timers, the controls' own hover
// polling among them, keep their schedule but do nothing.
void Timer::fire() {
  if (Form* owner = form(); owner && owner->design_hook()) return;
  raise("Timer");
}

void Timer::on_destroy() { stop(); }

const ClassInfo& Timer::class_info() const {
  static const ClassInfo info{
      "Timer",
      "Host",
      {
          prop<&Timer::Enabled, &Timer::put_Enabled>("Enabled", -514, PropType::Boolean),
          prop<&Timer::Interval, &Timer::put_Interval>("Interval", 1, PropType::Long),
      },
      {{"Timer", 1, {}}},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
