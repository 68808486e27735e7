#pragma once
// What assistive technology sees of a form: its controls in the order
// Form::controls() gives, each with its own description, nested as they are
// placed inside container controls. `okit render --tree` prints it and the
// accessibility bridge publishes it, so the two cannot disagree.

#include <vector>

#include "host/description.h"
#include "host/export.h"

namespace okit {

class Element;
class Form;

struct OKIT_EXPORT AccessibleNode {
  Element* element = nullptr;
  Description description;
  std::vector<AccessibleNode> children;  // the controls placed inside it
};

// Controls nobody can see or reach (a timer: an empty role) are left out.
OKIT_EXPORT std::vector<AccessibleNode> accessible_tree(Form& form);

}  // namespace okit
