#include "host/elements/image.h"

#include "host/elements/standard_events.h"

namespace okit {

Image::Image(std::string name) : Element(std::move(name)) {}

// Controls copy a picture into an image on every state tick; a copy of the
// bitmap already shown changes nothing on screen, so it repaints nothing.
void Image::set_picture(std::shared_ptr<Picture> picture) {
  const auto* shown = picture_ ? picture_->bitmap().get() : nullptr;
  const auto* given = picture ? picture->bitmap().get() : nullptr;
  picture_ = std::move(picture);
  fit_to_picture();
  if (shown != given) invalidate();
}

Value Image::get_Picture() const { return Value(ObjectRef(picture_)); }

void Image::put_Picture(const Value& value) { set_picture(picture_from_value(value)); }

// Turning Stretch off shows the picture at its own size again, so the image
// shrinks or grows to it.
void Image::put_Stretch(bool v) {
  set_and_invalidate(stretch_, v);
  fit_to_picture();
}

// An image keeps its size when its picture is cleared: the rectangle may
// still serve as an input surface.
void Image::fit_to_picture() {
  if (stretch_ || !picture_) return;
  set_bounds_twips(left_twips(), top_twips(), picture_->pixel_width() * kTwipsPerPixel,
                   picture_->pixel_height() * kTwipsPerPixel);
}

const ClassInfo& Image::class_info() const {
  namespace ev = standard_events;
  static const ClassInfo info{
      "Image",
      "Host",
      {
          prop<&Image::get_Picture, &Image::put_Picture>("Picture", -523, PropType::Object),
          prop<&Image::Stretch, &Image::put_Stretch>("Stretch", 1, PropType::Boolean),
      },
      {ev::click(), ev::dbl_click(), ev::mouse_down(), ev::mouse_move(), ev::mouse_up()},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
