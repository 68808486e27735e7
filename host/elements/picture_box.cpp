#include "host/elements/picture_box.h"

#include "host/elements/property_checks.h"
#include "host/elements/standard_events.h"

namespace okit {

PictureBox::PictureBox(std::string name) : Element(std::move(name)) { take_window(); }

void PictureBox::put_Align(std::int16_t v) {
  align_ = static_cast<Edge>(checked_range(v, 0, 4));
  if (parent()) align_to(*parent());
}

void PictureBox::put_ScaleMode(std::int16_t v) {
  scale_mode_ = scale_mode_from(v);
  layout_changed();
}

float PictureBox::ScaleWidth() const {
  return static_cast<float>(width_twips() / twips_per_unit(scale_mode_, false));
}

float PictureBox::ScaleHeight() const {
  return static_cast<float>(height_twips() / twips_per_unit(scale_mode_, true));
}

void PictureBox::align_to(const Element& container) { snap_to(container); }

bool PictureBox::snap_to(const Element& container) {
  if (align_ == Edge::None) return false;
  const double outer_width = container.width_twips();
  const double outer_height = container.height_twips();
  double x = 0, y = 0, w = width_twips(), h = height_twips();
  switch (align_) {
    case Edge::Top: w = outer_width; break;
    case Edge::Bottom: y = outer_height - h, w = outer_width; break;
    case Edge::Left: h = outer_height; break;
    case Edge::Right: x = outer_width - w, h = outer_height; break;
    case Edge::None: break;
  }
  const bool resized = w != width_twips() || h != height_twips();
  set_bounds_twips(x, y, w, h);
  return resized;
}

// An aligned box that is given another size snaps back to its edge (a
// bottom-aligned box that grows taller moves up); the snap's own resize
// reports the final size, so this one does not report a passing state.
void PictureBox::on_resized() {
  if (parent() && snap_to(*parent())) return;
  raise("Resize");
}

const ClassInfo& PictureBox::class_info() const {
  namespace ev = standard_events;
  static const ClassInfo info{
      "PictureBox",
      "Host",
      {
          prop<&PictureBox::get_Align, &PictureBox::put_Align>("Align", 1, PropType::Integer),
          prop<&PictureBox::get_ScaleMode, &PictureBox::put_ScaleMode>("ScaleMode", 2, PropType::Integer),
          prop<&PictureBox::ScaleWidth>("ScaleWidth", 3, PropType::Single),
          prop<&PictureBox::ScaleHeight>("ScaleHeight", 4, PropType::Single),
          prop<&PictureBox::BackColor, &PictureBox::put_BackColor>("BackColor", -501, PropType::Color),
          prop<&PictureBox::ForeColor, &PictureBox::put_ForeColor>("ForeColor", -513, PropType::Color),
          prop<&PictureBox::AutoRedraw, &PictureBox::put_AutoRedraw>("AutoRedraw", 5, PropType::Boolean),
      },
      {ev::click(), ev::dbl_click(), ev::mouse_down(), ev::mouse_move(), ev::mouse_up(), ev::plain_event("Resize", 1)},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
