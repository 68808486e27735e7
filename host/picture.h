#pragma once
// Picture: a bitmap as the host model hands it around. Assigning a picture
// from one element to another shares the same object, and two Picture
// objects made from the same bitmap report the same Handle, so code that
// compares handles ("is this image showing the pressed look?") works however
// the picture travelled.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/dispatch.h"
#include "host/export.h"

namespace okit {

struct OKIT_EXPORT Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top
  // Pixels of exactly this colour are not drawn: the surface behind shows
  // through them. Skins that need see-through areas (the tab pictures) carry
  // one; every other bitmap is opaque.
  std::optional<std::uint32_t> transparent_key = std::nullopt;
};

class OKIT_EXPORT Picture : public Dispatch {
 public:
  // `source_name` names the skin image the bitmap came from ("d1"), or is
  // empty for a picture with no such origin. Throws std::invalid_argument for
  // a null bitmap, which only a programming error produces.
  explicit Picture(std::shared_ptr<const Bitmap> bitmap, std::string source_name = {});
  const ClassInfo& class_info() const override;

  const std::shared_ptr<const Bitmap>& bitmap() const { return bitmap_; }
  const std::string& source_name() const { return source_name_; }
  int pixel_width() const { return bitmap_->width; }
  int pixel_height() const { return bitmap_->height; }

  std::int32_t Handle() const { return handle_; }
  // Picture sizes are HIMETRIC (hundredths of a millimetre) at 96 dpi.
  std::int32_t Width() const;
  std::int32_t Height() const;

 private:
  std::shared_ptr<const Bitmap> bitmap_;
  std::string source_name_;
  std::int32_t handle_;
};

// The picture a property assignment carries: nullptr for Empty or Nothing
// (which clear a picture), Type mismatch (13) for anything but a Picture.
OKIT_EXPORT std::shared_ptr<Picture> picture_from_value(const Value& value);

// How a Picture property prints in script output: the name of the skin image
// the picture came from, or "(none)".
OKIT_EXPORT std::string describe_picture(const Value& value);

}  // namespace okit
