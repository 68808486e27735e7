// The cost of one timer tick that changes nothing: the steady state of every
// control that polls its form's activation on a timer. Reported next to a
// bare indirect call doing the same comparison, so the ratio means something
// on any machine.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "bench/alloc_counter.h"
#include "app/silent_application.h"
#include "host/elements/timer.h"
#include "host/user_control.h"
#include "window_services/mod_ActiveWindow.h"

namespace okit::bench {
namespace {

// The smallest control that refreshes its look on a timer: each tick it asks
// whether its form is the active window and repaints only when the answer
// changed, as the buttons and the caption control do.
class SteadyLookControl : public UserControl {
 public:
  explicit SteadyLookControl(std::string name) : UserControl(std::move(name)) {
    auto refresh_timer = add_element<Timer>(*this, "tmrRefresh");
    refresh_timer->put_Interval(1);  // the host raises it to its minimum period
    refresh_timer->put_Enabled(true);
    handle(*refresh_timer, "Timer", [this](std::span<Value>) { refresh_look(); });
  }
  const ClassInfo& class_info() const override {
    static const ClassInfo info{"SteadyLookControl", "Bench", {}, {}, &element_class_info()};
    return info;
  }
  std::int64_t ticks() const { return ticks_; }
  std::int64_t repaints() const { return repaints_; }

 private:
  void refresh_look() {
    ++ticks_;
    const std::int32_t form_window = Parent()->get_property("hwnd").to_long();
    const bool active = mod_ActiveWindow::IsWindowActive(*this, form_window);
    if (active == looks_active_) return;
    looks_active_ = active;
    ++repaints_;
  }

  std::int64_t ticks_ = 0;
  std::int64_t repaints_ = 0;
  bool looks_active_ = false;
};

constexpr double kTimerPeriodMs = 10;

void BM_SteadyTimerTick(benchmark::State& state) {
  QuietDesktop session;
  auto& desktop = session.desktop();
  auto form = desktop.create_form("TickForm");
  auto control = std::make_shared<SteadyLookControl>("Steady1");
  control->set_role(ElementRole::Control);
  form->add_child(control);
  desktop.activate(form.get());
  // The first tick paints the active look; every later one finds it current.
  desktop.advance(kTimerPeriodMs);
  const auto ticks_before = control->ticks();
  const auto repaints_before = control->repaints();

  const auto allocations_before = allocations_so_far();
  for (auto _ : state) desktop.advance(kTimerPeriodMs);
  const auto allocations = allocations_so_far() - allocations_before;

  const auto iterations = static_cast<std::int64_t>(state.iterations());
  if (control->ticks() - ticks_before != iterations || control->repaints() != repaints_before)
    state.SkipWithError("expected exactly one tick and no repaint per iteration");
  state.counters["allocs_per_tick"] = static_cast<double>(allocations) / static_cast<double>(iterations);
}
BENCHMARK(BM_SteadyTimerTick);

// The floor under a tick: one call through a std::function that compares an
// int it must reload from memory.
void BM_Baseline_IndirectCall(benchmark::State& state) {
  std::int32_t current_window = 42;
  std::int32_t seen_window = 42;
  std::int64_t repaints = 0;
  std::function<void()> refresh = [&] {
    if (current_window == seen_window) return;
    seen_window = current_window;
    ++repaints;
  };
  for (auto _ : state) {
    benchmark::DoNotOptimize(refresh);
    refresh();
    benchmark::ClobberMemory();
  }
  benchmark::DoNotOptimize(repaints);
}
BENCHMARK(BM_Baseline_IndirectCall);

}  // namespace
}  // namespace okit::bench
