#pragma once
// The desktop, fresh and silent for as long as this lives: loading a form to
// check or render it must not print what its controls do, and must leave
// nothing behind.

#include "api/install_controls.h"
#include "host/desktop.h"

namespace okit {

class QuietDesktop : public ApplicationEvents {
 public:
  QuietDesktop() {
    install_controls(Desktop::current());
    Desktop::current().reset();
    Desktop::current().set_application(this);
  }
  ~QuietDesktop() override {
    Desktop::current().reset();
    Desktop::current().set_application(nullptr);
  }
  QuietDesktop(const QuietDesktop&) = delete;
  QuietDesktop& operator=(const QuietDesktop&) = delete;

  void control_event(Element&, std::string_view, std::span<Value>) override {}
  void property_changed(Element&, std::string_view) override {}
  void unhandled_error(const RuntimeError&) override {}
};

}  // namespace okit
