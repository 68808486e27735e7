#pragma once
// A minimal writer of uncompressed 24-bit BMP files, enough for the host's
// bitmaps and for the library to publish its toolbox bitmaps in the form
// designers and image editors read; host/bmp.h reads them.

#include <cstdint>
#include <vector>

namespace okit {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// Pixels in rows from the top, left to right.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // width * height entries

  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// BITMAPFILEHEADER + BITMAPINFOHEADER (40 bytes, 24 bits, no compression),
// then the rows bottom-up in blue-green-red order, each padded to a multiple
// of four bytes. Throws std::invalid_argument when the pixel count does not
// match the size.
std::vector<std::uint8_t> encode_bmp24(const RgbImage& image);

}  // namespace okit
