#pragma once
// Image: shows a picture, or nothing. An image without a picture is
// transparent yet still receives the mouse over its rectangle, which is how
// controls build invisible input surfaces.

#include <memory>

#include "host/element.h"
#include "host/export.h"
#include "host/picture.h"

namespace okit {

class OKIT_EXPORT Image : public Element {
 public:
  explicit Image(std::string name);
  const ClassInfo& class_info() const override;
  Description describe() override;

  const std::shared_ptr<Picture>& picture() const { return picture_; }
  // A non-stretching image takes the size of every picture it is given.
  void set_picture(std::shared_ptr<Picture> picture);

  Value get_Picture() const;
  void put_Picture(const Value& value);  // a Picture, Empty or Nothing
  bool Stretch() const { return stretch_; }
  void put_Stretch(bool v);

  // The picture 1:1 from the top-left corner, or scaled to the image's size
  // when it stretches; nothing at all without a picture.
  void paint(Canvas& canvas) const override;

 private:
  void fit_to_picture();

  std::shared_ptr<Picture> picture_;
  bool stretch_ = false;
};

}  // namespace okit
