#pragma once
// chk_Opaline_CheckBox: a check box with three values (chk_None, chk_Checked,
// chk_Inactive) drawn as a 13 x 13 pixel skinned box in four looks per value
// (normal, hover, pressed, disabled), followed by a caption whose colour
// follows the enabled and focus state. With AutoSize on the control fits
// itself to its caption. A click advances the value through two or, with
// Inactive set, three values; a 1 ms hover timer runs only while the cursor
// is over the control, and the box look does not follow the mouse while the
// control's form is not the active window.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "host/elements/command_button.h"
#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/picture_box.h"
#include "host/elements/timer.h"
#include "host/export.h"
#include "host/user_control.h"
#include "library/type_library.h"
#include "window_services/cursor_test.h"

namespace okit {

class OKIT_EXPORT chk_Opaline_CheckBox : public UserControl, public MouseAndKeyEvents<chk_Opaline_CheckBox> {
 public:
  chk_Opaline_CheckBox();
  const ClassInfo& class_info() const override;  // checkbox_record.cpp
  Description describe() override;                // checkbox_description.cpp

  // ---- Properties ---------------------------------------------------------
  std::string get_Caption() const { return m_Caption; }
  std::int32_t get_ForeColor() const { return m_ForeColor; }
  std::int32_t get_BackColor() const { return m_BackColor; }
  std::int32_t get_FocusColor() const { return m_FocusColor; }
  std::int32_t get_DisabledColor() const { return m_DisabledColor; }
  bool get_AutoSize() const { return m_AutoSize; }
  bool get_Enabled() const { return m_Enabled; }
  bool get_Inactive() const { return m_Inactive; }
  std::int32_t get_Value() const { return m_Value; }
  std::int32_t get_ReturnValue() const { return m_Value; }

  void put_Caption(std::string value);
  void put_ForeColor(std::int32_t value);
  void put_BackColor(std::int32_t value);
  void put_FocusColor(std::int32_t value);
  void put_DisabledColor(std::int32_t value);
  void put_AutoSize(bool value);
  void put_Enabled(bool value);
  void put_Inactive(bool value);
  void put_Value(std::int32_t value);
  void put_ReturnValue(std::int32_t value);

  // ---- Events, for application code (typed; see host/typed_events.h) ----
  // Also those of MouseAndKeyEvents.
  void on_Click(EventHandler handler) { on_event("Click", late_bound(std::move(handler))); }
  void on_Change(EventHandler handler) { on_event("Change", late_bound(std::move(handler))); }
  void on_Resize(EventHandler handler) { on_event("Resize", late_bound(std::move(handler))); }

  // ---- Life ---------------------------------------------------------------
  void InitProperties() override;
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) override;
  void UserControl_Resize() override;
  void UserControl_EnterFocus() override;
  void UserControl_GotFocus() override;
  void UserControl_ExitFocus() override;
  void UserControl_LostFocus() override;
  void show_forced_look(ForcedLook look) override;

 private:
  // Looks and layout (checkbox_looks.cpp)
  enum class BoxLook { Normal, Hover, Pressed, Disabled };
  void ShowStateImage(bool hover);
  void ShowBoxLook(BoxLook look);
  void ApplyCaption();
  void ApplyCaptionColor();
  void ShowCaptionColor(std::int32_t color);
  void ApplyBackColor();
  void ApplyAutoSize();
  void ArrangeElements();
  void CopyPictureIfChanged(Image& source, Image& target);

  // Interaction (checkbox_interaction.cpp)
  void connect_handlers();
  void cmd_move_MouseDown(std::span<Value> args);
  void cmd_move_MouseMove(std::span<Value> args);
  void cmd_move_MouseUp(std::span<Value> args);
  void cmd_HotKey_Click();
  void tmr_hover_Timer();
  void ToggleValue();
  void set_focused(bool focused);
  bool IsCursorOver(Element& element);

  // Member fields: one per property, then the interaction state.
  std::string m_Caption;
  std::int32_t m_BackColor = 0;
  std::int32_t m_ForeColor = 0;
  std::int32_t m_FocusColor = 0;
  std::int32_t m_DisabledColor = 0;
  bool m_AutoSize = false;
  bool m_Inactive = false;
  std::int32_t m_Value = chk_None;
  bool m_Enabled = false;
  std::int16_t m_Button = 0;
  bool m_Focused = false;
  ScreenRect m_ScreenRect;
  CursorTestMemo cursor_memo_;

  // Child elements from the design-time layout.
  std::shared_ptr<Timer> tmr_hover;
  std::shared_ptr<PictureBox> Picture1;
  std::shared_ptr<Label> lbl_Caption;
  std::shared_ptr<Image> v1, cmd_move, cmd_none;
  std::shared_ptr<PictureBox> pic_Objects;
  std::shared_ptr<Image> a1, a2, a3, c1, c2, c3, d1, d2, d3, e1, e2, e3;
  std::shared_ptr<CommandButton> cmd_HotKey;
};

}  // namespace okit
