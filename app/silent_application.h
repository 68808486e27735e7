#pragma once
// An application that ignores what controls report: loading a form to check
// or render it must not print what its controls do.

#include "host/desktop.h"

namespace okit {

class SilentApplication : public ApplicationEvents {
 public:
  void control_event(Element&, std::string_view, std::span<Value>) override {}
  void property_changed(Element&, std::string_view) override {}
  void unhandled_error(const RuntimeError&) override {}
};

}  // namespace okit
