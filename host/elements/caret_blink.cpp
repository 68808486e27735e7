#include "host/elements/caret_blink.h"

#include "host/elements/timer.h"

namespace okit {

CaretBlink::CaretBlink(const Element& field, std::function<void()> on_toggle)
    : timer_(std::make_shared<Timer>("caret", &field)), on_toggle_(std::move(on_toggle)) {
  timer_->put_Enabled(false);
  timer_->put_Interval(kHalfPeriodMs);
  timer_->set_sink(this);
}

CaretBlink::~CaretBlink() { timer_->set_sink(nullptr); }

void CaretBlink::set_running(bool running) {
  running_ = running;
  timer_->put_Enabled(running);
  set_visible(running);
}

// Switching the timer off and on restarts its count, so the caret stays
// shown for a whole phase after each move.
void CaretBlink::show_now() {
  if (!running_) return;
  timer_->put_Enabled(false);
  timer_->put_Enabled(true);
  set_visible(true);
}

void CaretBlink::element_event(Element&, std::string_view, std::span<Value>) { set_visible(!visible_); }

void CaretBlink::set_visible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  on_toggle_();
}

}  // namespace okit
