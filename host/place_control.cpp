#include "host/place_control.h"

#include "host/desktop.h"
#include "host/scale.h"
#include "host/user_control.h"

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

// A control class comes from the catalog of the form's desktop; a form on
// no desktop can hold only the host's own element kinds.
std::shared_ptr<Element> create_by_class(const Form& form, std::string_view class_name, const std::string& name) {
  if (auto element = create_host_element(class_name, name)) return element;
  if (!form.desktop()) throw RuntimeError(err::CantCreateObject);
  return form.desktop()->class_catalog().create(class_name);
}

}  // namespace

std::shared_ptr<Element> settle_control(std::shared_ptr<Element> control, Element& container,
                                        const ControlPlacement& placement, const ControlSettings& settings,
                                        std::optional<TwipsSize> final_size) {
  control->set_name(placement.name);
  control->set_role(ElementRole::Control);
  control->put_TabIndex(placement.tab_index);
  container.add_child(control);
  control->place_twips(placement.left, placement.top, placement.width, placement.height);

  auto* surface = dynamic_cast<UserControl*>(control.get());
  if (!surface) settings(*control);
  control->set_sink(control->desktop());
  if (surface) settings(*control);
  if (!control->alive()) return control;

  // The resize handler runs once either way.
  if (!final_size || (final_size->width == control->width_twips() && final_size->height == control->height_twips()))
    control->notify_resized();
  else
    control->set_bounds_twips(control->left_twips(), control->top_twips(), final_size->width, final_size->height);
  if (surface && surface->alive()) surface->show();
  return control;
}

std::shared_ptr<Element> place_control(Form& form, Element& container, std::string_view class_name,
                                       std::string name, Point at, std::optional<Size> size) {
  std::shared_ptr<Element> control = create_by_class(form, class_name, name);
  const bool is_surface = dynamic_cast<UserControl*>(control.get()) != nullptr;
  const ControlPlacement placement{std::move(name), form.next_tab_index(), at.x * kTwipsPerPixel,
                                   at.y * kTwipsPerPixel, control->width_twips(), control->height_twips()};
  const auto settings = [is_surface](Element& e) {
    if (is_surface)
      static_cast<UserControl&>(e).InitProperties();
    else
      init_host_element(e);
  };
  if (!size && !is_surface) size = default_control_size(class_name);
  std::optional<TwipsSize> final_size;
  if (size) final_size = TwipsSize{size->width * kTwipsPerPixel, size->height * kTwipsPerPixel};
  return settle_control(std::move(control), container, placement, settings, final_size);
}

}  // namespace okit
