// Builds benchmark forms the way a designer places controls.

#include "bench/control_form.h"

#include "host/elements/image.h"
#include "host/paint/compositor.h"
#include "host/picture.h"
#include "host/place_control.h"

namespace okit::bench {

std::shared_ptr<Form> create_active_form(Desktop& desktop, Compositor& compositor, std::string name, int width_px,
                                         int height_px) {
  auto form = desktop.create_form(std::move(name));
  form->place_twips(100 * kTwipsPerPixel, 100 * kTwipsPerPixel, width_px * kTwipsPerPixel,
                    height_px * kTwipsPerPixel);
  desktop.activate(form.get());
  compositor.compose(*form);
  return form;
}

std::shared_ptr<Element> place_control(Form& form, std::string_view class_name, std::string name, Point at,
                                       int width_px, int height_px) {
  std::optional<Size> size;
  if (width_px > 0 && height_px > 0) size = Size{width_px, height_px};
  return okit::place_control(form, form, class_name, std::move(name), at, size);
}

Rect client_rect(const Element& control) {
  const int left = static_cast<int>(control.left_twips()) / kTwipsPerPixel;
  const int top = static_cast<int>(control.top_twips()) / kTwipsPerPixel;
  return {left, top, left + static_cast<int>(control.width_twips()) / kTwipsPerPixel,
          top + static_cast<int>(control.height_twips()) / kTwipsPerPixel};
}

std::int64_t area(Rect r) { return static_cast<std::int64_t>(r.width()) * r.height(); }

std::shared_ptr<Element> find_descendant(const Element& control, std::string_view name) {
  if (auto child = control.find_child(name)) return child;
  for (const auto& child : control.children())
    if (auto found = find_descendant(*child, name)) return found;
  return nullptr;
}

std::string shown_picture(const Element& control, std::string_view image_name) {
  auto image = std::dynamic_pointer_cast<Image>(find_descendant(control, image_name));
  if (!image || !image->picture()) return {};
  return image->picture()->source_name();
}

}  // namespace okit::bench
