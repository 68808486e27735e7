#include "backend/web/event_log.h"

#include <emscripten.h>

#include <string>

// clang-format off
EM_JS(void, okit_page_log_event, (const char* line), { Module.okitPage.logEvent(UTF8ToString(line)); });
// clang-format on

namespace okit::page {

void log_event(const Element& control, std::string_view event, std::span<const Value> args) {
  std::string line = "event " + control.name() + '.' + std::string(event);
  for (const Value& arg : args) line += ' ' + format_value(arg);
  okit_page_log_event(line.c_str());
}

}  // namespace okit::page
