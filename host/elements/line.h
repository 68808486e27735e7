#pragma once
// Line: a straight line between two end points. The end points are given in
// the container's scale units and kept in twips, like all geometry, so a
// change of the container's scale mode does not move the line.

#include <cstdint>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class OKIT_EXPORT Line : public Element {
 public:
  explicit Line(std::string name);
  const ClassInfo& class_info() const override;
  bool hit_testable() const override { return false; }

  float X1() const { return to_units(x1_, false); }
  float Y1() const { return to_units(y1_, true); }
  float X2() const { return to_units(x2_, false); }
  float Y2() const { return to_units(y2_, true); }
  void put_X1(float v) { move_end(x1_, to_twips(v, false)); }
  void put_Y1(float v) { move_end(y1_, to_twips(v, true)); }
  void put_X2(float v) { move_end(x2_, to_twips(v, false)); }
  void put_Y2(float v) { move_end(y2_, to_twips(v, true)); }
  std::int32_t BorderColor() const { return border_color_; }
  void put_BorderColor(std::int32_t v) { set_and_invalidate(border_color_, v); }
  std::int16_t BorderWidth() const { return border_width_; }  // pixels
  void put_BorderWidth(std::int16_t v);

  // The end points in twips relative to the container, for drawing.
  double x1_twips() const { return x1_; }
  double y1_twips() const { return y1_; }
  double x2_twips() const { return x2_; }
  double y2_twips() const { return y2_; }
  // The end points in the container's pixels.
  Point start_pixel() const;
  Point end_pixel() const;

  // A line paints in the box around its end points; its Left, Top, Width and
  // Height play no part.
  Rect paint_rect() const override;
  void paint(Canvas& canvas) const override;

 private:
  float to_units(double twips, bool vertical) const;
  double to_twips(float units, bool vertical) const;
  // Moving an end point repaints the box the line leaves and the one it takes.
  void move_end(double& end, double twips);

  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::int32_t border_color_ = static_cast<std::int32_t>(0x80000008);
  std::int16_t border_width_ = 1;
};

}  // namespace okit
