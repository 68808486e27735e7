#pragma once
// fam_Opaline_Framebordder: a captioned group frame. Nine lines draw a
// rectangle with bevelled corners whose top edge leaves a gap for the
// caption, which is printed on the surface. Everything is drawn again in
// one routine, UserControl_Resize, on every resize and after every property
// assignment. It is a container: controls placed on it sit on its surface
// and are never moved or resized by it, and it never takes the keyboard
// focus. It handles no input and raises no events.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/elements/line.h"
#include "host/export.h"
#include "host/user_control.h"

namespace okit {

class OKIT_EXPORT fam_Opaline_Framebordder : public UserControl {
 public:
  fam_Opaline_Framebordder();
  const ClassInfo& class_info() const override;  // frame_record.cpp
  Description describe() override;                // frame_description.cpp

  // ---- Properties, in interface order --------------------------------------
  bool get_Enabled() const { return enabled(); }
  void put_Enabled(bool value);
  std::int32_t get_hwnd() const { return hwnd(); }
  std::string get_Caption() const { return m_Caption; }
  void put_Caption(std::string value);
  std::int32_t get_BackColor() const { return BackColor(); }
  void put_BackColor(std::int32_t value);
  // A second name of the caption while the form runs; only its persisted
  // key is its own (m_ReturnCaption).
  std::string get_ReturnCaption() const { return m_Caption; }
  void put_ReturnCaption(std::string value);

  // ---- Life ---------------------------------------------------------------
  void InitProperties() override;
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) override;
  void UserControl_Show() override;
  // The one drawing routine (frame_drawing.cpp).
  void UserControl_Resize() override;

  bool is_container() const override { return true; }
  bool can_get_focus() const override { return false; }

 private:
  void ReportAndRedraw(std::string_view property_name);

  // Member fields, in the order the class keeps them.
  std::string m_Caption;
  std::string m_ReturnCaption;
  bool m_LastEnabled = false;
  std::int32_t m_CaptionEnd = 0;

  // Child elements from the design-time layout.
  std::shared_ptr<Line> Line1, Line2, Line3, Line4, Line5, Line6, Line7, Line8, Line9;
};

}  // namespace okit
