#pragma once
// cmd_Opaline_Button: a push button drawn from three-slice skin images (left
// cap, stretched middle, right cap; 21 pixels high) in five looks: normal,
// hover, pressed, focused and disabled. A 1 ms hover timer runs only while
// the cursor is over the button; the look does not change while the button's
// form is not the active window.

#include <cstdint>
#include <memory>
#include <string>

#include "host/elements/command_button.h"
#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/picture_box.h"
#include "host/elements/timer.h"
#include "host/export.h"
#include "host/user_control.h"
#include "window_services/cursor_test.h"

namespace okit {

class OKIT_EXPORT cmd_Opaline_Button : public UserControl, public MouseAndKeyEvents<cmd_Opaline_Button> {
 public:
  cmd_Opaline_Button();
  const ClassInfo& class_info() const override;  // button_record.cpp
  Description describe() override;                // button_description.cpp

  // ---- Properties ---------------------------------------------------------
  bool get_Enabled() const { return m_Enabled; }
  void put_Enabled(bool value);
  std::string get_Caption() const { return m_Caption; }
  void put_Caption(std::string value);
  std::int32_t get_ForeColor() const { return m_ForeColor; }
  void put_ForeColor(std::int32_t value);
  std::int32_t get_DeactivatedForeColor() const { return m_DeactivatedForeColor; }
  void put_DeactivatedForeColor(std::int32_t value);

  // ---- Events, for application code (typed; see host/typed_events.h) ----
  // Also those of MouseAndKeyEvents.
  void on_Click(EventHandler handler) { on_event("Click", late_bound(std::move(handler))); }
  void on_Resize(EventHandler handler) { on_event("Resize", late_bound(std::move(handler))); }

  // ---- Life ---------------------------------------------------------------
  void InitProperties() override;
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void UserControl_EnterFocus() override;
  void UserControl_GotFocus() override;
  void UserControl_ExitFocus() override;
  void UserControl_LostFocus() override;
  void UserControl_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void UserControl_KeyPress(std::int16_t& KeyAscii) override;
  void UserControl_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void show_forced_look(ForcedLook look) override;

 private:
  // Looks (button_looks.cpp)
  void LayoutButton();
  void PlaceCaption(bool pressed);
  Point caption_place(bool pressed) const;
  void ApplyEnabledLook();
  void UpdateCaption();
  void ShowLook(Image& left, Image& middle, Image& right, bool pressed);
  bool look_shown(const Image& left, const Image& middle, const Image& right, bool pressed);
  bool caption_in_place(bool pressed);
  void CopyPictureIfChanged(Image& source, Image& target);

  // Interaction (button_interaction.cpp)
  void connect_handlers();
  void cmd_move_MouseDown(std::span<Value> args);
  void cmd_move_MouseMove(std::span<Value> args);
  void cmd_move_MouseUp(std::span<Value> args);
  void cmd_move_Click();
  void cmd_HotKey_Click();
  void tmr_hover_Timer();
  void show_current_look(bool over);
  bool IsCursorOver(Element& element);

  // Member fields, in the order the class keeps them.
  ScreenRect m_ScreenRect;
  CursorTestMemo cursor_memo_;
  // The layout epoch at which the caption was last found in place, and for
  // which look: until anything moves, it is still there.
  struct CaptionCheck {
    std::uint64_t epoch = 0;
    bool pressed = false;
  } caption_checked_;
  std::int16_t m_Button = 0;
  bool m_Focused = false;
  std::string m_Caption;
  bool m_Enabled = false;
  std::int32_t m_ForeColor = 0;
  std::int32_t m_DeactivatedForeColor = 0;

  // Child elements from the design-time layout.
  std::shared_ptr<Timer> tmr_hover;
  std::shared_ptr<PictureBox> pic_ButtonBar;
  std::shared_ptr<Image> v2, v1, v3;
  std::shared_ptr<Label> lbl_Caption;
  std::shared_ptr<Image> cmd_move;
  std::shared_ptr<PictureBox> pic_Objects;
  std::shared_ptr<Image> h1, h2, h3, c1, c2, c3, f1, f2, f3, d1, d2, d3, e1, e2, e3;
  std::shared_ptr<CommandButton> cmd_HotKey;
};

}  // namespace okit
