#include "backend/headless/png_file.h"

#include <png.h>

#include <cstdio>
#include <filesystem>

#include "host/paint/compositor.h"

namespace okit {

namespace {

LoadError png_error(const std::string& path, const png_image& image, const char* what) {
  std::string message = what;
  if (image.message[0] != '\0') message += std::string(": ") + image.message;
  return LoadError{path, 0, message};
}

}  // namespace

Expected<bool> write_png(const std::string& path, const FrameBuffer& frame, Rect area, int scale) {
  if (scale < 1 || scale > 64) return LoadError{path, 0, "scale must be between 1 and 64"};
  const Rect clipped{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, frame.width()),
                     std::min(area.bottom, frame.height())};
  if (clipped.width() <= 0 || clipped.height() <= 0) return LoadError{path, 0, "nothing to write: the area is empty"};

  const int width = clipped.width() * scale, height = clipped.height() * scale;
  std::vector<png_byte> rgb(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* source = frame.row(clipped.top + y / scale) + clipped.left;
    png_byte* out = rgb.data() + static_cast<std::size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = source[x / scale];
      *out++ = static_cast<png_byte>(pixel >> 16);
      *out++ = static_cast<png_byte>(pixel >> 8);
      *out++ = static_cast<png_byte>(pixel);
    }
  }

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const std::string temporary = path + ".tmp";
  if (!png_image_write_to_file(&image, temporary.c_str(), 0, rgb.data(), 0, nullptr)) {
    std::remove(temporary.c_str());
    return png_error(path, image, "cannot write the PNG file");
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::remove(temporary.c_str());
    return LoadError{path, 0, "cannot write the PNG file: " + ec.message()};
  }
  return true;
}

Expected<bool> write_form_png(Compositor& compositor, Form& form, const std::string& path, int scale) {
  compositor.compose(form);
  const FrameBuffer* frame = compositor.frame(form);
  if (!frame) return LoadError{path, 0, "form " + form.name() + " has no area to render"};
  return write_png(path, *frame, frame->bounds(), scale);
}

Expected<RgbPixels> read_png(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return png_error(path, image, "cannot read the PNG file");
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return png_error(path, image, "cannot decode the PNG file");
  }
  RgbPixels result;
  result.width = static_cast<int>(image.width);
  result.height = static_cast<int>(image.height);
  result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
  for (std::size_t i = 0; i < result.pixels.size(); ++i)
    result.pixels[i] = (std::uint32_t{rgb[i * 3]} << 16) | (std::uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
  return result;
}

}  // namespace okit
