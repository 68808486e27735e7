#pragma once
// CaretBlink: the on and off phases of an edit field's caret. Its timer runs
// only while the field holds the keyboard focus of the active window, so a
// field without the focus, or on a form that is not active, costs no wakeups
// at all. The caret shows at once when blinking starts and whenever the
// caret moves or the text changes, as users expect of a caret they are
// steering.

#include <cstdint>
#include <functional>
#include <memory>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class Timer;

class OKIT_EXPORT CaretBlink : private EventSink {
 public:
  // The classic caret blink time.
  static constexpr std::int32_t kHalfPeriodMs = 530;

  // `on_toggle` runs on every change of visible(), to repaint the caret.
  // The caret's timer is in no element tree: it runs on the desktop of
  // `field`, the edit field whose caret it is.
  CaretBlink(const Element& field, std::function<void()> on_toggle);
  ~CaretBlink() override;
  CaretBlink(const CaretBlink&) = delete;
  CaretBlink& operator=(const CaretBlink&) = delete;

  // Starts blinking with the caret shown, or stops with it hidden.
  void set_running(bool running);
  bool running() const { return running_; }
  // While running: shows the caret and starts a new phase.
  void show_now();
  bool visible() const { return visible_; }

 private:
  void element_event(Element& source, std::string_view event, std::span<Value> args) override;
  void set_visible(bool visible);

  std::shared_ptr<Timer> timer_;
  std::function<void()> on_toggle_;
  bool running_ = false;
  bool visible_ = false;
};

}  // namespace okit
