#include "host/elements/timer.h"

#include "host/desktop.h"

namespace okit {

namespace {
std::uint64_t next_creation_order = 0;
}

Timer::Timer(std::string name) : Element(std::move(name)), creation_order_(next_creation_order++) {}

Timer::~Timer() { Desktop::current().timers().stop(*this); }

void Timer::put_Interval(std::int32_t ms) {
  if (ms < 0 || ms > 65535) throw RuntimeError(err::InvalidPropertyValue);
  interval_ = ms;
  auto& queue = Desktop::current().timers();
  if (should_run())
    queue.start(*this);
  else
    queue.stop(*this);
}

void Timer::put_Enabled(bool v) {
  auto& queue = Desktop::current().timers();
  const bool was_running = queue.running(*this);
  Element::put_Enabled(v);
  if (!should_run())
    queue.stop(*this);
  else if (!was_running)
    queue.start(*this);
}

// A form being designed is not running: its timers, the controls' own hover
// polling among them, keep their schedule but do nothing.
void Timer::fire() {
  if (Form* owner = form(); owner && owner->design_hook()) return;
  raise("Timer");
}

void Timer::on_destroy() { Desktop::current().timers().stop(*this); }

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
