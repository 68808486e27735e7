#pragma once
// The desktop is one per process and every benchmark shares it: each one
// starts from a fresh desktop and leaves a fresh one behind, with an
// application that swallows what controls report so loading and ticking
// print nothing.

#include <span>
#include <string_view>

#include "host/desktop.h"

namespace okit::bench {

class SilentApplication : public ApplicationEvents {
 public:
  void control_event(Element&, std::string_view, std::span<Value>) override {}
  void property_changed(Element&, std::string_view) override {}
  void unhandled_error(const RuntimeError&) override {}
};

class DesktopSession {
 public:
  DesktopSession() {
    Desktop::current().reset();
    Desktop::current().set_application(&silent_);
  }
  ~DesktopSession() {
    Desktop::current().reset();
    Desktop::current().set_application(nullptr);
  }
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

 private:
  SilentApplication silent_;
};

}  // namespace okit::bench
