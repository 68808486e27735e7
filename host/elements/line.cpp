#include "host/elements/line.h"

#include "host/elements/property_checks.h"

namespace okit {

Line::Line(std::string name) : Element(std::move(name)) {}

float Line::to_units(double twips, bool vertical) const {
  return static_cast<float>(twips / twips_per_unit(position_scale(), vertical));
}

double Line::to_twips(float units, bool vertical) const {
  return units * twips_per_unit(position_scale(), vertical);
}

void Line::put_BorderWidth(std::int16_t v) { border_width_ = checked_at_least(v, 1); }

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
