#pragma once
// PictureBox: a windowed panel that holds other elements and gives them its
// own scale mode. An aligned picture box clings to one edge of its container
// and spans the container's full width (top, bottom) or height (left, right);
// the container calls `align_to` whenever its own size changes.

#include <cstdint>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class OKIT_EXPORT PictureBox : public Element {
 public:
  enum class Edge : std::int16_t { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

  explicit PictureBox(std::string name);
  const ClassInfo& class_info() const override;
  Description describe() override;
  ScaleMode child_scale_mode() const override { return scale_mode_; }

  std::int16_t get_Align() const { return static_cast<std::int16_t>(align_); }
  void put_Align(std::int16_t v);
  std::int16_t get_ScaleMode() const { return static_cast<std::int16_t>(scale_mode_); }
  void put_ScaleMode(std::int16_t v);
  // The inner size in the box's own scale units.
  float ScaleWidth() const;
  float ScaleHeight() const;
  std::int32_t BackColor() const { return back_color_; }
  void put_BackColor(std::int32_t v) { set_and_invalidate(back_color_, v); }
  std::int32_t ForeColor() const { return fore_color_; }
  void put_ForeColor(std::int32_t v) { fore_color_ = v; }
  bool AutoRedraw() const { return auto_redraw_; }
  void put_AutoRedraw(bool v) { auto_redraw_ = v; }

  // Moves and sizes an aligned box to its edge of `container`.
  void align_to(const Element& container);

  void paint(Canvas& canvas) const override;

 protected:
  void on_resized() override;

 private:
  // Returns whether the box's size changed (a resize that has already been
  // reported by the nested on_resized).
  bool snap_to(const Element& container);

  Edge align_ = Edge::None;
  ScaleMode scale_mode_ = ScaleMode::Twips;
  std::int32_t back_color_ = static_cast<std::int32_t>(0x8000000F);
  std::int32_t fore_color_ = static_cast<std::int32_t>(0x80000012);
  bool auto_redraw_ = false;
};

}  // namespace okit
