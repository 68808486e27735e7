#pragma once
// The page's event log (its hidden <pre id="events">): every event a control
// raises, written as `okit script` prints it, so a page can be compared line
// for line with a script that does the same.

#include <span>
#include <string_view>

#include "host/element.h"
#include "host/value.h"

namespace okit::page {

void log_event(const Element& control, std::string_view event, std::span<const Value> args);

}  // namespace okit::page
