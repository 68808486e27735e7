#pragma once
// Placing a control: the one routine that brings a new control to life, as
// the designer, the scenario command `place`, the contact sheet and the form
// loader all do it. The control joins its container as a control with its
// tab index and bounds, takes its settings, is resized once and shown.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/elements/element_kinds.h"
#include "host/form.h"
#include "host/geometry.h"

namespace okit {

// Where a new control goes and what it is called, in twips of its container.
struct ControlPlacement {
  std::string name;
  std::int16_t tab_index = 0;
  double left = 0, top = 0;
  double width = 0, height = 0;
};

// Gives a new control its settings: InitProperties or ReadProperties for a
// control, property puts for a host element.
using ControlSettings = std::function<void(Element& control)>;
struct TwipsSize {
  double width = 0, height = 0;
};

// Brings `control` to life in `container`. A host element takes its
// settings before it reports to the desktop, as a designer-made element
// does; a control takes them after, since reading them may raise events.
// It then gets `final_size` (none: keeps the size it has after its settings),
// its resize handler runs exactly once and it is shown. A control whose
// settings unload it is returned dead, neither sized nor shown.
std::shared_ptr<Element> settle_control(std::shared_ptr<Element> control, Element& container,
                                        const ControlPlacement& placement, const ControlSettings& settings,
                                        std::optional<TwipsSize> final_size = std::nullopt);

// Places a control of `class_name` (a host element kind such as Label, or a
// class of the desktop's class catalog) in `container` (the form, or a
// container control on it) the way a designer does, with its top-left corner
// at `at` (pixels of the container) and the form's next tab index. Without a
// size a control keeps the size it chose for itself and a host element gets
// the size a designer gives it. Raises Can't create object (429) for a class
// nobody publishes.
std::shared_ptr<Element> place_control(Form& form, Element& container, std::string_view class_name,
                                       std::string name, Point at, std::optional<Size> size = std::nullopt);

}  // namespace okit
