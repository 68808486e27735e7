#include "host/bmp_encoder.h"

#include <stdexcept>
#include <string>

namespace okit {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// 96 dots per inch, in the pixels per metre the header asks for.
constexpr std::uint32_t kPixelsPerMetre = 3780;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t padded_row_size(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }

}  // namespace

std::vector<std::uint8_t> encode_bmp24(const RgbImage& image) {
  if (image.width < 0 || image.height < 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    throw std::invalid_argument("encode_bmp24: a " + std::to_string(image.width) + " x " +
                                std::to_string(image.height) + " image cannot hold " +
                                std::to_string(image.pixels.size()) + " pixels");
  }
  const std::uint32_t row_size = padded_row_size(image.width);
  const std::uint32_t pixel_bytes = row_size * static_cast<std::uint32_t>(image.height);
  const std::uint32_t data_offset = kFileHeaderSize + kInfoHeaderSize;

  std::vector<std::uint8_t> out;
  out.reserve(data_offset + pixel_bytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, data_offset + pixel_bytes);
  put32(out, 0);  // two reserved 16-bit fields
  put32(out, data_offset);

  put32(out, kInfoHeaderSize);
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height));  // positive: rows run bottom-up
  put16(out, 1);                                         // planes
  put16(out, 24);                                        // bits per pixel
  put32(out, 0);                                         // no compression
  put32(out, pixel_bytes);
  put32(out, kPixelsPerMetre);
  put32(out, kPixelsPerMetre);
  put32(out, 0);  // no palette
  put32(out, 0);

  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb& p = image.at(x, y);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(out.size() + (row_size - static_cast<std::uint32_t>(image.width) * 3), 0);
  }
  return out;
}

}  // namespace okit
