#pragma once
// A control class's record: what the library, the host and the tools need of
// one control without knowing its code. The control's own folder fills one
// in (its factory, its accessors by member name, how a designer names and
// offers it, the looks a review sheet shows); the class registry publishes
// it. The member identifiers and types stay in the library's tables: a
// record names members, and binding joins the two by name, refusing a name
// one side lacks, so the tables can never drift apart.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/dispatch.h"
#include "host/elements/element_kinds.h"
#include "host/user_control.h"
#include "library/type_library.h"

namespace okit {

class Element;

using ControlFactory = std::function<std::shared_ptr<Element>()>;
using ControlSetup = std::function<void(Element& control)>;

// One cell of a review sheet: a look's name and how to make a fresh control
// show it.
struct ReviewLook {
  std::string label;
  ControlSetup show;
};

// One row of a review sheet: the same class in a few looks.
struct ReviewRow {
  std::string title;
  std::optional<Size> size;  // pixels; none: the control's own size
  ControlSetup prepare;      // what every cell of the row shares (caption, value)
  std::vector<ReviewLook> looks;
};

struct ControlRecord {
  std::string_view class_name;
  ControlFactory create;
  // Getter and putter of each member, by the member's name (see `accessor`);
  // identifiers and types come from the library's rows.
  std::vector<PropertyInfo> accessors;
  std::string_view designer_base_name;  // "Command": the designer names new ones Command1, Command2, ...
  std::string_view toolbox_caption;
  std::vector<ReviewRow> review;
};

// The dispatch table of the record's class: the library's member rows in
// interface order, each with the record's accessor of that name, and the
// library's events. Throws std::logic_error naming the class and the member
// when a record names a member the library lacks, lacks one it has, or
// disagrees on whether it is read-only.
ClassInfo bind_record(const ControlRecord& record);

// Review looks most controls share.
ReviewLook forced_look(std::string label, ForcedLook look);
// The real disabled state, with the forced look on top for controls that
// would show it only on their next timer tick.
ReviewLook disabled_look(std::string label = "disabled");
ControlSetup put_property(std::string property, Value value);

}  // namespace okit
