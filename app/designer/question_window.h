#pragma once
// A small window with a message and a row of answer buttons, for what the
// designer must tell or ask: a property the grid refused, unsaved changes.
// It does not block: the answer arrives through a callback, after which the
// window closes itself.

#include <functional>
#include <string>
#include <vector>

#include "app/designer/event_router.h"

namespace okit {

// Opens the window centred on `over`, on its desktop. `on_answer` gets the index of the
// button pressed; closing the window answers with the last button (Cancel,
// or OK when that is the only one).
void ask(EventRouter& router, const Form& over, const std::string& title, const std::string& message,
         const std::vector<std::string>& answers, std::function<void(std::size_t)> on_answer);

}  // namespace okit
