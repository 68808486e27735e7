#pragma once
// A sink that records the names of the events an element raises, and lets a
// test play the application's handler (changing by-reference arguments).

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/element.h"

namespace okit::testing {

class EventRecorder : public EventSink {
 public:
  std::vector<std::string> events;
  std::function<void(std::string_view event, std::span<Value> args)> handler;

  void element_event(Element&, std::string_view event, std::span<Value> args) override {
    events.emplace_back(event);
    if (handler) handler(event, args);
  }
  std::vector<std::string> take() { return std::exchange(events, {}); }
};

}  // namespace okit::testing
