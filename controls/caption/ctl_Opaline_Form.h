#pragma once
// ctl_Opaline_Form: a form skin. Over the area it covers it draws a title bar
// with a caption and a close button, side and bottom borders and a filled
// client area, all from child elements; a 1 ms timer that runs for the life of
// the control switches between the active and the deactivated look and lights
// the close button; a press on the title bar drags the form, or the control
// itself. It is a container: controls placed on it sit on its surface and
// move with it, and it never takes the keyboard focus.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/shape.h"
#include "host/elements/timer.h"
#include "host/export.h"
#include "host/user_control.h"
#include "window_services/cursor_test.h"

namespace okit {

class OKIT_EXPORT ctl_Opaline_Form : public UserControl {
 public:
  ctl_Opaline_Form();
  const ClassInfo& class_info() const override;  // caption_record.cpp
  Description describe() override;                // caption_description.cpp

  // ---- Properties ---------------------------------------------------------
  bool get_AutoRedraw() const { return AutoRedraw(); }
  void put_AutoRedraw(bool value);
  bool get_Enabled() const { return enabled(); }
  void put_Enabled(bool value);
  std::int32_t get_hwnd() const { return hwnd(); }
  std::string get_Caption() const { return cmd_label->Caption(); }
  void put_Caption(std::string value);
  Value get_MoveForm() const { return m_MoveForm; }
  void put_MoveForm(Value value);
  bool get_DoMove() const { return m_DoMove; }
  void put_DoMove(bool value);
  std::int32_t get_BackColor() const { return img_background->FillColor(); }
  void put_BackColor(std::int32_t value);
  std::string get_ReturnCaption() const { return cmd_label->Caption(); }
  void put_ReturnCaption(std::string value);

  // ---- Events, for application code (typed; see host/typed_events.h) ----
  void on_CloseWindow(EventHandler handler) { on_event("CloseWindow", late_bound(std::move(handler))); }

  // ---- Life ---------------------------------------------------------------
  void InitProperties() override;
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) override;
  void UserControl_Resize() override;
  void show_forced_look(ForcedLook look) override;

  // Controls can be placed on the caption control; neither it nor anything
  // of its own ever holds the keyboard focus.
  bool is_container() const override { return true; }
  bool can_get_focus() const override { return false; }

 private:
  // One step of a look change: copy the picture of `first` into `second`.
  using PictureCopy = std::pair<const Image*, Image*>;

  // Looks (caption_looks.cpp)
  void ShowActiveLook(bool keep_close_button);
  void ShowDeactivatedLook();
  void ShowCloseButton(bool hover, bool pressed);
  void ShowLook(std::span<const PictureCopy> copies);
  void CopyPictureIfChanged(const Image& source, Image& target);

  // Interaction (caption_interaction.cpp)
  void connect_handlers();
  void Timer1_Timer();
  void cmd_click_MouseDown();
  void cmd_click_MouseMove(std::span<Value> args);
  void cmd_click_MouseUp();
  void cmd_click_DblClick();
  void cmd_click_Click();
  void cmd_move_MouseDown();
  std::int32_t ParentHwnd() const;
  bool IsCursorOver(Element& element);

  // Member fields, in the order the class keeps them.
  Value m_MoveForm;
  bool m_DoMove = false;
  std::int16_t m_Button = 0;
  ScreenRect m_ScreenRect;
  CursorTestMemo cursor_memo_;

  // Child elements from the design-time layout.
  std::shared_ptr<Timer> Timer1;
  std::shared_ptr<Image> al1, am1, ar1, al2, ar2, al3, am3, ar3;
  std::shared_ptr<Image> dl1, dm1, dr1, dl2, dr2, dl3, dm3, dr3;
  std::shared_ptr<Image> h1, c1;
  std::shared_ptr<Shape> img_background;
  std::shared_ptr<Image> l1, m1, r1, l2, r2, r3, l3, m3;
  std::shared_ptr<Label> cmd_label;
  std::shared_ptr<Image> cmd_move;
  std::shared_ptr<Image> cmd_click;
};

}  // namespace okit
