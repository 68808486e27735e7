// The text box's record: its factory, its members by name, and how
// designers and review sheets show it.

#include "controls/records.h"
#include "controls/textbox/txt_Opaline_opal.h"

namespace okit {

const ControlRecord& textbox_record() {
  using T = txt_Opaline_opal;
  static const ControlRecord record{
      "txt_Opaline_opal",
      [] { return std::make_shared<T>(); },
      {
          accessor<&T::get_Appearance, &T::put_Appearance>("Appearance"),
          accessor<&T::get_Enabled, &T::put_Enabled>("Enabled"),
          accessor<&T::get_ForeColor, &T::put_ForeColor>("ForeColor"),
          accessor<&T::get_HideSelection>("HideSelection"),
          accessor<&T::get_Locked, &T::put_Locked>("Locked"),
          accessor<&T::get_PasswordChar, &T::put_PasswordChar>("PasswordChar"),
          accessor<&T::get_SelLength, &T::put_SelLength>("SelLength"),
          accessor<&T::get_SelStart, &T::put_SelStart>("SelStart"),
          accessor<&T::get_SelText, &T::put_SelText>("SelText"),
          accessor<&T::get_Text, &T::put_Text>("Text"),
          accessor<&T::get_hwnd>("hwnd"),
          accessor<&T::get_ReturnText, &T::put_ReturnText>("ReturnText"),
      },
      "Text",
      "Text field",
      // Focus draws only a caret and a selection, which need real focus.
      {{"Text box",
        Size{138, 21},
        put_property("Text", Value("Opaline text")),
        {forced_look("normal", ForcedLook::Normal), disabled_look()}}},
  };
  return record;
}

const ClassInfo& txt_Opaline_opal::class_info() const {
  static const ClassInfo info = bind_record(textbox_record());
  return info;
}

}  // namespace okit
