// The check box's record: its factory, its members by name, and how
// designers and review sheets show it (a review row per value).

#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "controls/records.h"

namespace okit {

namespace {

ReviewRow review_row(std::string title, std::int16_t value) {
  return {std::move(title),
          std::nullopt,
          [value](Element& control) {
            control.put_property("Caption", Value("Check box"));
            control.put_property("Value", Value(value));
          },
          {forced_look("normal", ForcedLook::Normal), forced_look("hover", ForcedLook::Hover),
           forced_look("pressed", ForcedLook::Pressed), forced_look("focused", ForcedLook::Focused),
           disabled_look()}};
}

}  // namespace

const ControlRecord& checkbox_record() {
  using C = chk_Opaline_CheckBox;
  static const ControlRecord record{
      "chk_Opaline_CheckBox",
      [] { return std::make_shared<C>(); },
      {
          accessor<&C::get_Caption, &C::put_Caption>("Caption"),
          accessor<&C::get_ForeColor, &C::put_ForeColor>("ForeColor"),
          accessor<&C::get_BackColor, &C::put_BackColor>("BackColor"),
          accessor<&C::get_FocusColor, &C::put_FocusColor>("FocusColor"),
          accessor<&C::get_DisabledColor, &C::put_DisabledColor>("DisabledColor"),
          accessor<&C::get_AutoSize, &C::put_AutoSize>("AutoSize"),
          accessor<&C::get_Enabled, &C::put_Enabled>("Enabled"),
          accessor<&C::get_Inactive, &C::put_Inactive>("Inactive"),
          accessor<&C::get_Value, &C::put_Value>("Value"),
          accessor<&C::get_ReturnValue, &C::put_ReturnValue>("ReturnValue"),
      },
      "Check",
      "CheckBox",
      {review_row("Check box, unchecked (Value 0)", chk_None), review_row("Check box, checked (Value 1)", chk_Checked),
       review_row("Check box, mixed (Value 2)", chk_Inactive)},
  };
  return record;
}

const ClassInfo& chk_Opaline_CheckBox::class_info() const {
  static const ClassInfo info = bind_record(checkbox_record());
  return info;
}

}  // namespace okit
