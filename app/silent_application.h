#pragma once
// A fresh desktop that stays silent: loading a form to check or render it
// must not print what its controls do, and leaves nothing behind when this
// goes.

#include "api/install_controls.h"
#include "host/desktop.h"

namespace okit {

class QuietDesktop : public ApplicationEvents {
 public:
  QuietDesktop() {
    install_controls(desktop_);
    desktop_.set_application(this);
  }
  ~QuietDesktop() override { desktop_.set_application(nullptr); }
  QuietDesktop(const QuietDesktop&) = delete;
  QuietDesktop& operator=(const QuietDesktop&) = delete;

  Desktop& desktop() { return desktop_; }

  void control_event(Element&, std::string_view, std::span<Value>) override {}
  void property_changed(Element&, std::string_view) override {}
  void unhandled_error(const RuntimeError&) override {}

 private:
  Desktop desktop_;
};

}  // namespace okit
