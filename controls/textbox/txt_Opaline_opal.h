#pragma once
// txt_Opaline_opal: a single-line text box with a skinned frame. The inner
// edit field txt_text does all the editing and is the only store of the
// text, the selection, the colours and the flags: every property except
// hwnd reads and writes it, and every event of it is passed on to the
// application. Around and behind the field three image slices (left cap,
// stretched middle, right cap) draw the frame in a normal or a disabled look.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "host/elements/image.h"
#include "host/elements/text_box.h"
#include "host/export.h"
#include "host/user_control.h"

namespace okit {

class OKIT_EXPORT txt_Opaline_opal : public UserControl, public MouseAndKeyEvents<txt_Opaline_opal> {
 public:
  txt_Opaline_opal();
  const ClassInfo& class_info() const override;  // textbox_record.cpp
  Description describe() override;                // textbox_description.cpp

  // ---- Properties, in interface order --------------------------------------
  std::int16_t get_Appearance() const { return txt_text->Appearance(); }
  void put_Appearance(std::int16_t value);
  bool get_Enabled() const { return txt_text->enabled(); }
  void put_Enabled(bool value);
  std::int32_t get_ForeColor() const { return txt_text->ForeColor(); }
  void put_ForeColor(std::int32_t value);
  bool get_HideSelection() const { return txt_text->HideSelection(); }
  bool get_Locked() const { return txt_text->Locked(); }
  void put_Locked(bool value);
  std::string get_PasswordChar() const { return txt_text->PasswordChar(); }
  void put_PasswordChar(std::string value);
  std::int32_t get_SelLength() const { return txt_text->SelLength(); }
  void put_SelLength(std::int32_t value);
  std::int32_t get_SelStart() const { return txt_text->SelStart(); }
  void put_SelStart(std::int32_t value);
  std::string get_SelText() const { return txt_text->SelText(); }
  void put_SelText(std::string value);
  std::string get_Text() const { return txt_text->Text(); }
  void put_Text(std::string value);
  // The window of the control's own surface, not that of the inner field.
  std::int32_t get_hwnd() const { return hwnd(); }
  std::string get_ReturnText() const { return txt_text->Text(); }
  void put_ReturnText(std::string value);

  // ---- Events, for application code (typed; see host/typed_events.h) ----
  // Also those of MouseAndKeyEvents.
  void on_Change(EventHandler handler) { on_event("Change", late_bound(std::move(handler))); }
  void on_Click(EventHandler handler) { on_event("Click", late_bound(std::move(handler))); }
  void on_DblClick(EventHandler handler) { on_event("DblClick", late_bound(std::move(handler))); }

  // ---- Life ---------------------------------------------------------------
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void show_forced_look(ForcedLook look) override;

 private:
  // Looks (textbox_looks.cpp)
  void SetEnabledLook();
  void ShowLook(bool enabled);
  void CopyPictureIfChanged(Image& source, Image& target);

  void connect_handlers();
  // Assigns one property of the inner field and reports the change.
  template <typename T>
  void assign(void (TextBox::*put)(T), T value, std::string_view property_name);

  // Child elements from the design-time layout.
  std::shared_ptr<Image> v1, v2, v3, d1, d2, d3, a1, a2, a3;
  std::shared_ptr<TextBox> txt_text;
};

}  // namespace okit
