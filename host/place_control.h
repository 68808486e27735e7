#pragma once
// Placing a control the way a designer does, shared by the scenario command
// `place`, the contact sheet and the benchmarks: the control is created by
// class name, joins its container as a control with the form's next tab
// index, gets its position, reports to the desktop, takes its initial
// properties, gets its size and is shown.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/elements/element_kinds.h"
#include "host/form.h"
#include "host/geometry.h"

namespace okit {

// Places a control of `class_name` (a control class of the library, or a host
// element kind such as Label) in `container` (the form, or a container
// control on it) with its top-left corner at `at` (pixels of the container).
// Without a size a control keeps the size it chose for itself and a host
// element gets the size a designer gives it. A control whose InitProperties
// unloads it is returned dead, neither sized nor shown. Raises Can't create
// object (429) for a class nobody publishes.
std::shared_ptr<Element> place_control(Form& form, Element& container, std::string_view class_name,
                                       std::string name, Point at, std::optional<Size> size = std::nullopt);

}  // namespace okit
