// The button's record: its factory, its members by name, and how designers
// and review sheets show it.

#include "controls/button/cmd_Opaline_Button.h"
#include "controls/records.h"

namespace okit {

const ControlRecord& button_record() {
  using B = cmd_Opaline_Button;
  static const ControlRecord record{
      "cmd_Opaline_Button",
      [] { return std::make_shared<B>(); },
      {
          accessor<&B::get_Enabled, &B::put_Enabled>("Enabled"),
          accessor<&B::get_Caption, &B::put_Caption>("Caption"),
          accessor<&B::get_ForeColor, &B::put_ForeColor>("ForeColor"),
          accessor<&B::get_DeactivatedForeColor, &B::put_DeactivatedForeColor>("DeactivatedForeColor"),
      },
      "Command",
      "Button",
      {{"Command button",
        Size{96, 23},
        put_property("Caption", Value("Opaline")),
        {forced_look("normal", ForcedLook::Normal), forced_look("hover", ForcedLook::Hover),
         forced_look("pressed", ForcedLook::Pressed), forced_look("focused", ForcedLook::Focused), disabled_look()}}},
  };
  return record;
}

const ClassInfo& cmd_Opaline_Button::class_info() const {
  static const ClassInfo info = bind_record(button_record());
  return info;
}

}  // namespace okit
