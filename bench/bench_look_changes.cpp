// One look change and what it costs in pixels: the button going from hover
// to pressed, and the caption control switching between its active and
// deactivated frame. A change must repaint about the elements that changed,
// never the whole frame. One iteration changes the look and back, so every
// iteration starts from the same state.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/control_form.h"
#include "app/silent_application.h"
#include "host/paint/compositor.h"

namespace okit::bench {
namespace {

struct SwapPixels {
  std::int64_t there = 0;  // repainted by the change
  std::int64_t back = 0;   // repainted by the change back
};

void report(benchmark::State& state, const SwapPixels& pixels, std::int64_t changed_area, std::int64_t frame_area) {
  const auto iterations = static_cast<double>(state.iterations());
  const double there = static_cast<double>(pixels.there) / iterations;
  state.counters["repainted_px"] = there;
  state.counters["repainted_px_back"] = static_cast<double>(pixels.back) / iterations;
  state.counters["changed_area_px"] = static_cast<double>(changed_area);
  state.counters["ratio_to_changed_area"] = there / static_cast<double>(changed_area);
  state.counters["frame_px"] = static_cast<double>(frame_area);
}

void BM_LookChange_ButtonHoverToPressed(benchmark::State& state) {
  QuietDesktop session;
  auto& desktop = session.desktop();
  Compositor compositor;
  auto form = create_active_form(desktop, compositor, "PressForm", 400, 300);
  auto button = place_control(*form, "cmd_Opaline_Button", "Button1", {20, 20});
  const Point origin = button->screen_origin();
  desktop.mouse_move({origin.x + 10, origin.y + 10});
  desktop.advance(3 * kTimerPeriodMs);
  compositor.compose(*form);
  if (shown_picture(*button, "v1") != "h1") {
    state.SkipWithError("the button does not show its hover look");
    return;
  }

  SwapPixels pixels;
  bool pressed_look = true;
  for (auto _ : state) {
    desktop.forget_last_press();  // every press is a single click
    desktop.mouse_down(mouse_button::Left);
    desktop.advance(kTimerPeriodMs);
    pixels.there += compositor.compose(*form).pixels;
    pressed_look = pressed_look && shown_picture(*button, "v1") == "c1";
    desktop.mouse_up(mouse_button::Left);
    desktop.advance(kTimerPeriodMs);
    pixels.back += compositor.compose(*form).pixels;
  }
  if (!pressed_look) state.SkipWithError("the press did not show the pressed look");
  report(state, pixels, area(client_rect(*button)), 400 * 300);
}
BENCHMARK(BM_LookChange_ButtonHoverToPressed);

// The caption control's frame: the title bar, the two side borders and the
// bottom edge, which are all its activation switch should repaint.
std::int64_t frame_slices_area(const Element& caption) {
  std::int64_t total = 0;
  for (const char* slice : {"l1", "m1", "r1", "l2", "r2", "l3", "m3", "r3"}) {
    auto image = find_descendant(caption, slice);
    if (image && image->visible()) total += area(client_rect(*image));
  }
  return total;
}

void BM_LookChange_CaptionActivation(benchmark::State& state) {
  QuietDesktop session;
  auto& desktop = session.desktop();
  Compositor compositor;
  auto form = create_active_form(desktop, compositor, "CaptionForm", 400, 300);
  auto caption = place_control(*form, "ctl_Opaline_Form", "Caption1", {0, 0}, 400, 300);
  desktop.advance(kTimerPeriodMs);
  compositor.compose(*form);

  SwapPixels pixels;
  for (auto _ : state) {
    desktop.activate(nullptr);
    desktop.advance(kTimerPeriodMs);
    pixels.there += compositor.compose(*form).pixels;
    desktop.activate(form.get());
    desktop.advance(kTimerPeriodMs);
    pixels.back += compositor.compose(*form).pixels;
  }
  report(state, pixels, frame_slices_area(*caption), 400 * 300);
}
BENCHMARK(BM_LookChange_CaptionActivation);

}  // namespace
}  // namespace okit::bench
