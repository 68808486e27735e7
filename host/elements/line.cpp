#include "host/elements/line.h"

#include <algorithm>
#include <cmath>

#include "host/elements/property_checks.h"

namespace okit {

Line::Line(std::string name) : Element(std::move(name)) {}

float Line::to_units(double twips, bool vertical) const {
  return static_cast<float>(twips / twips_per_unit(position_scale(), vertical));
}

double Line::to_twips(float units, bool vertical) const {
  return units * twips_per_unit(position_scale(), vertical);
}

void Line::put_BorderWidth(std::int16_t v) { set_and_invalidate(border_width_, checked_at_least(v, 1)); }

void Line::move_end(double& end, double twips) {
  if (end == twips) return;
  invalidate();
  end = twips;
  invalidate();
}

namespace {

// End points more than 16 million pixels out are pulled in to that
// distance, which bounds the work of stepping along the line; no form
// comes anywhere near it.
constexpr double kFarthestPixel = 1 << 24;

std::int32_t line_pixel(double twips) {
  return static_cast<std::int32_t>(std::lround(std::clamp(twips / kTwipsPerPixel, -kFarthestPixel, kFarthestPixel)));
}

}  // namespace

Point Line::start_pixel() const { return {line_pixel(x1_), line_pixel(y1_)}; }
Point Line::end_pixel() const { return {line_pixel(x2_), line_pixel(y2_)}; }

Rect Line::paint_rect() const {
  const Point a = start_pixel(), b = end_pixel();
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

const ClassInfo& Line::class_info() const {
  static const ClassInfo info{
      "Line",
      "Host",
      {
          prop<&Line::X1, &Line::put_X1>("X1", 1, PropType::Single),
          prop<&Line::Y1, &Line::put_Y1>("Y1", 2, PropType::Single),
          prop<&Line::X2, &Line::put_X2>("X2", 3, PropType::Single),
          prop<&Line::Y2, &Line::put_Y2>("Y2", 4, PropType::Single),
          prop<&Line::BorderColor, &Line::put_BorderColor>("BorderColor", -503, PropType::Color),
          prop<&Line::BorderWidth, &Line::put_BorderWidth>("BorderWidth", -505, PropType::Integer),
      },
      {},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
