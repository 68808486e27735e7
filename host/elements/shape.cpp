#include "host/elements/shape.h"

#include "host/elements/property_checks.h"

namespace okit {

Shape::Shape(std::string name) : Element(std::move(name)) {}

void Shape::put_Shape(std::int16_t v) { set_and_invalidate(figure_, static_cast<Figure>(checked_range(v, 0, 5))); }
void Shape::put_FillStyle(std::int16_t v) { set_and_invalidate(fill_style_, checked_range(v, 0, 7)); }
void Shape::put_BorderStyle(std::int16_t v) { set_and_invalidate(border_style_, checked_range(v, 0, 6)); }
void Shape::put_BackStyle(std::int16_t v) { set_and_invalidate(back_style_, checked_range(v, 0, 1)); }

void Shape::put_BorderWidth(std::int16_t v) { set_and_invalidate(border_width_, checked_at_least(v, 1)); }

const ClassInfo& Shape::class_info() const {
  static const ClassInfo info{
      "Shape",
      "Host",
      {
          prop<&Shape::get_Shape, &Shape::put_Shape>("Shape", 1, PropType::Integer),
          prop<&Shape::FillColor, &Shape::put_FillColor>("FillColor", -510, PropType::Color),
          prop<&Shape::FillStyle, &Shape::put_FillStyle>("FillStyle", -511, PropType::Integer),
          prop<&Shape::BorderStyle, &Shape::put_BorderStyle>("BorderStyle", -504, PropType::Integer),
          prop<&Shape::BorderColor, &Shape::put_BorderColor>("BorderColor", -503, PropType::Color),
          prop<&Shape::BorderWidth, &Shape::put_BorderWidth>("BorderWidth", -505, PropType::Integer),
          prop<&Shape::BackColor, &Shape::put_BackColor>("BackColor", -501, PropType::Color),
          prop<&Shape::BackStyle, &Shape::put_BackStyle>("BackStyle", -502, PropType::Integer),
      },
      {},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
