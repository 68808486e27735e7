#include "host/place_control.h"

#include "host/desktop.h"
#include "host/scale.h"
#include "host/user_control.h"
#include "library/class_registry.h"

namespace okit {

namespace {

// What a designer does for a newly placed host element: its caption or text
// starts as its name.
void init_host_element(Element& element) {
  for (std::string_view key : {"Caption", "Text"}) {
    if (const PropertyInfo* info = element.class_info().find_property(key); info && !info->read_only()) {
      info->put(element, Value(element.name()));
      return;
    }
  }
}

}  // namespace

std::shared_ptr<Element> place_control(Form& form, Element& container, std::string_view class_name,
                                       std::string name, Point at, std::optional<Size> size) {
  std::shared_ptr<Element> control = create_host_element(class_name, name);
  if (!control) control = class_registry().create(class_name);
  control->set_name(std::move(name));
  control->set_role(ElementRole::Control);
  control->put_TabIndex(form.next_tab_index());
  container.add_child(control);
  control->place_twips(at.x * kTwipsPerPixel, at.y * kTwipsPerPixel, control->width_twips(), control->height_twips());

  auto* surface = dynamic_cast<UserControl*>(control.get());
  if (!surface) init_host_element(*control);  // before it reports: the designer's own setting raises nothing
  control->set_sink(form.desktop());
  if (surface) surface->InitProperties();
  if (!control->alive()) return control;

  if (!size && !surface) size = default_control_size(class_name);
  const double width = size ? size->width * kTwipsPerPixel : control->width_twips();
  const double height = size ? size->height * kTwipsPerPixel : control->height_twips();
  // The resize handler runs once either way, as it does for a placed control.
  if (width == control->width_twips() && height == control->height_twips())
    control->notify_resized();
  else
    control->set_bounds_twips(control->left_twips(), control->top_twips(), width, height);
  if (surface && surface->alive()) surface->show();
  return control;
}

}  // namespace okit
