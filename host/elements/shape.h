#pragma once
// Shape: a rectangle, square, oval, circle or rounded figure drawn with a
// border and a fill. It is decoration only and never receives the mouse.

#include <cstdint>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class OKIT_EXPORT Shape : public Element {
 public:
  enum class Figure : std::int16_t {
    Rectangle = 0,
    Square = 1,
    Oval = 2,
    Circle = 3,
    RoundedRectangle = 4,
    RoundedSquare = 5,
  };

  explicit Shape(std::string name);
  const ClassInfo& class_info() const override;
  bool hit_testable() const override { return false; }

  std::int16_t get_Shape() const { return static_cast<std::int16_t>(figure_); }
  void put_Shape(std::int16_t v);
  std::int32_t FillColor() const { return fill_color_; }
  void put_FillColor(std::int32_t v) { set_and_invalidate(fill_color_, v); }
  // 0 solid, 1 transparent, 2..7 hatch patterns.
  std::int16_t FillStyle() const { return fill_style_; }
  void put_FillStyle(std::int16_t v);
  // 0 none, 1 solid, 2..6 dashed and dotted patterns.
  std::int16_t BorderStyle() const { return border_style_; }
  void put_BorderStyle(std::int16_t v);
  std::int32_t BorderColor() const { return border_color_; }
  void put_BorderColor(std::int32_t v) { set_and_invalidate(border_color_, v); }
  std::int16_t BorderWidth() const { return border_width_; }  // pixels
  void put_BorderWidth(std::int16_t v);
  std::int32_t BackColor() const { return back_color_; }
  void put_BackColor(std::int32_t v) { set_and_invalidate(back_color_, v); }
  std::int16_t BackStyle() const { return back_style_; }  // 0 transparent, 1 opaque
  void put_BackStyle(std::int16_t v);

  void paint(Canvas& canvas) const override;

 private:
  Figure figure_ = Figure::Rectangle;
  std::int32_t fill_color_ = 0;
  std::int16_t fill_style_ = 1;
  std::int16_t border_style_ = 1;
  std::int32_t border_color_ = static_cast<std::int32_t>(0x80000008);
  std::int16_t border_width_ = 1;
  std::int32_t back_color_ = static_cast<std::int32_t>(0x80000005);
  std::int16_t back_style_ = 0;
};

}  // namespace okit
