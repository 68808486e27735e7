// What the check box says about itself: its caption, and its value as a
// word and as the checked or mixed state.

#include "controls/checkbox/chk_Opaline_CheckBox.h"

namespace okit {

namespace {

// A Value outside the three is said as its number: the box then keeps
// whatever look it showed before.
std::string value_word(std::int32_t value) {
  switch (value) {
    case chk_None: return "unchecked";
    case chk_Checked: return "checked";
    case chk_Inactive: return "mixed";
    default: return std::to_string(value);
  }
}

}  // namespace

Description chk_Opaline_CheckBox::describe() {
  Description d = UserControl::describe();
  d.role = "checkbox";
  d.value = value_word(m_Value);
  d.value_is_text = false;
  d.states.checked = m_Value == chk_Checked;
  d.states.mixed = m_Value == chk_Inactive;
  // Toggled as the keyboard toggles it, through its hidden push button.
  d.actions.push_back(click_action(*cmd_HotKey, "toggle", "Advances the value, as Space or Enter does."));
  return d;
}

}  // namespace okit
