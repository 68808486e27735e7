// Steady ticks of the real controls: the button and the check box with the
// cursor resting over them (their hover timers run and find the hover look
// already shown), and the caption control, whose timer always runs. A tick
// that changes nothing must not allocate and must repaint nothing.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/alloc_counter.h"
#include "bench/control_form.h"
#include "app/silent_application.h"
#include "host/elements/timer.h"
#include "host/paint/compositor.h"

namespace okit::bench {
namespace {

constexpr int kComposedTicks = 100;

struct SteadyCase {
  const char* class_name;
  const char* timer_name;
  const char* look_image;    // an image child whose picture shows the look
  const char* expected_look; // the picture it must show throughout
  Point cursor;              // in the control's own pixels
};

// Pixels repainted per tick, composing after every tick; kept out of the
// timed loop so the tick figure is the tick alone.
double repainted_pixels_per_tick(Desktop& desktop, Compositor& compositor, Form& form) {
  std::int64_t pixels = 0;
  for (int i = 0; i < kComposedTicks; ++i) {
    desktop.advance(kTimerPeriodMs);
    pixels += compositor.compose(form).pixels;
  }
  return static_cast<double>(pixels) / kComposedTicks;
}

void run_steady_ticks(benchmark::State& state, const SteadyCase& c) {
  QuietDesktop session;
  auto& desktop = session.desktop();
  Compositor compositor;
  auto form = create_active_form(desktop, compositor, "TickForm", 400, 300);
  auto control = place_control(*form, c.class_name, "Control1", {20, 20});
  const Point origin = control->screen_origin();
  desktop.mouse_move({origin.x + c.cursor.x, origin.y + c.cursor.y});
  // The first ticks show the look; every later one finds it current.
  desktop.advance(3 * kTimerPeriodMs);
  compositor.compose(*form);
  const auto& timer = static_cast<const Timer&>(*find_descendant(*control, c.timer_name));
  if (!desktop.timers().running(timer) || shown_picture(*control, c.look_image) != c.expected_look) {
    const std::string problem = std::string(c.look_image) + " shows \"" + shown_picture(*control, c.look_image) +
                                "\", timer " + (desktop.timers().running(timer) ? "running" : "stopped");
    state.SkipWithError(problem.c_str());
    return;
  }

  const auto allocations_before = allocations_so_far();
  for (auto _ : state) desktop.advance(kTimerPeriodMs);
  const auto allocations = allocations_so_far() - allocations_before;
  const auto iterations = static_cast<double>(state.iterations());

  const auto pixels_after_timed_ticks = compositor.compose(*form).pixels;
  state.counters["allocs_per_tick"] = static_cast<double>(allocations) / iterations;
  state.counters["repainted_px_per_tick"] = repainted_pixels_per_tick(desktop, compositor, *form);
  state.counters["repainted_px_after_timed_ticks"] = static_cast<double>(pixels_after_timed_ticks);
  if (!desktop.timers().running(timer) || shown_picture(*control, c.look_image) != c.expected_look)
    state.SkipWithError("the look changed during steady ticks");
}

void BM_SteadyTick_ButtonHover(benchmark::State& state) {
  run_steady_ticks(state, {"cmd_Opaline_Button", "tmr_hover", "v1", "h1", {10, 10}});
}
BENCHMARK(BM_SteadyTick_ButtonHover);

void BM_SteadyTick_CheckBoxHover(benchmark::State& state) {
  run_steady_ticks(state, {"chk_Opaline_CheckBox", "tmr_hover", "v1", "a1", {5, 5}});
}
BENCHMARK(BM_SteadyTick_CheckBoxHover);

// The cursor rests in the client area, away from the close button.
void BM_SteadyTick_CaptionActive(benchmark::State& state) {
  run_steady_ticks(state, {"ctl_Opaline_Form", "Timer1", "l1", "al1", {100, 100}});
}
BENCHMARK(BM_SteadyTick_CaptionActive);

}  // namespace
}  // namespace okit::bench
