// The caption control's record: its factory, its members by name, and how
// designers and review sheets show it.

#include "controls/caption/ctl_Opaline_Form.h"
#include "controls/records.h"

namespace okit {

const ControlRecord& caption_record() {
  using C = ctl_Opaline_Form;
  static const ControlRecord record{
      "ctl_Opaline_Form",
      [] { return std::make_shared<C>(); },
      {
          accessor<&C::get_AutoRedraw, &C::put_AutoRedraw>("AutoRedraw"),
          accessor<&C::get_Enabled, &C::put_Enabled>("Enabled"),
          accessor<&C::get_hwnd>("hwnd"),
          accessor<&C::get_Caption, &C::put_Caption>("Caption"),
          accessor<&C::get_MoveForm, &C::put_MoveForm>("MoveForm"),
          accessor<&C::get_DoMove, &C::put_DoMove>("DoMove"),
          accessor<&C::get_BackColor, &C::put_BackColor>("BackColor"),
          accessor<&C::get_ReturnCaption, &C::put_ReturnCaption>("ReturnCaption"),
      },
      "Caption",
      "Caption",
      {{"Caption control",
        Size{200, 96},
        put_property("Caption", Value("Opaline")),
        {forced_look("active", ForcedLook::Normal), forced_look("inactive", ForcedLook::Inactive),
         forced_look("close button hover", ForcedLook::Hover),
         forced_look("close button pressed", ForcedLook::Pressed)}}},
  };
  return record;
}

const ClassInfo& ctl_Opaline_Form::class_info() const {
  static const ClassInfo info = bind_record(caption_record());
  return info;
}

}  // namespace okit
