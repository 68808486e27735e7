#pragma once
// The semantic tree of a form: what a screen reader needs of each control, one
// line per control, so that a form's accessibility can be reviewed and held in
// a test as text. docs/controls.md describes the format.

#include <string>
#include <string_view>

namespace okit {

class Form;

// One line per control in z-order (Form::controls()), indented two spaces per
// container level:  ROLE "NAME" [value=VALUE] [STATES] [key=K]
// Timers are left out: nobody can see or reach them.
std::string semantic_tree(Form& form);

// `text` with backslashes, quotes and control characters escaped, so a
// caption always stays on one line inside its quotes.
std::string escape_tree_text(std::string_view text);

}  // namespace okit
