#pragma once
// The toolbox bitmaps a designer shows for the six classes in its control
// palette: resources 30000 to 30005, each 16 x 15 pixels in 24 bits.

#include <cstdint>
#include <optional>
#include <vector>

#include "host/bmp_encoder.h"

namespace okit {

inline constexpr int kToolboxBitmapWidth = 16;
inline constexpr int kToolboxBitmapHeight = 15;

// The pixels of bitmap `id`; nullopt for an id the library does not carry.
std::optional<RgbImage> toolbox_bitmap(int id);

// The same bitmap as the bytes of a BMP file.
std::optional<std::vector<std::uint8_t>> toolbox_bitmap_bmp(int id);

}  // namespace okit
