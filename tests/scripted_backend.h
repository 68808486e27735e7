#pragma once
// A headless backend whose move loop takes its input from steps the test
// queues: each pump runs the next step, and an empty script ends the loop.

#include <deque>
#include <functional>
#include <utility>

#include "backend/headless/headless_backend.h"

namespace okit::testing {

class ScriptedBackend : public HeadlessBackend {
 public:
  explicit ScriptedBackend(Desktop& desktop) : HeadlessBackend(desktop) {
    set_pump([this] {
      if (script.empty()) return false;
      auto step = std::move(script.front());
      script.pop_front();
      step();
      return true;
    });
  }
  std::deque<std::function<void()>> script;
};

}  // namespace okit::testing
