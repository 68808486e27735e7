#include "host/paint/colors.h"

#include <array>

namespace okit {

namespace {

// The classic blue theme, by system colour index (0xRRGGBB).
constexpr std::array<std::uint32_t, 31> kSystemColors = {
    0xD4D0C8,  //  0 scroll bar
    0x3A6EA5,  //  1 desktop
    0x0054E3,  //  2 active caption
    0x7A96DF,  //  3 inactive caption
    0xFFFFFF,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x316AC5,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xECE9D8,  // 15 button face
    0xACA899,  // 16 button shadow
    0xACA899,  // 17 grey text
    0x000000,  // 18 button text
    0xD8E4F8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x716F64,  // 21 3D dark shadow
    0xF1EFE2,  // 22 3D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
    0xB5B5B5,  // 25 alternate button face
    0x0066CC,  // 26 hot-tracked item
    0x3D95FF,  // 27 active caption gradient
    0x9DB9EB,  // 28 inactive caption gradient
    0x316AC5,  // 29 menu highlight
    0xECE9D8,  // 30 menu bar
};

constexpr std::uint32_t kSystemFlag = 0x80000000u;

}  // namespace

std::uint32_t resolve_color(std::int32_t ole_color) {
  const auto value = static_cast<std::uint32_t>(ole_color);
  if ((value & 0xFF000000u) == kSystemFlag) {
    const std::uint32_t index = value & 0x00FFFFFFu;
    return index < kSystemColors.size() ? kSystemColors[index] : 0x000000;
  }
  const std::uint32_t red = value & 0xFF;
  const std::uint32_t green = (value >> 8) & 0xFF;
  const std::uint32_t blue = (value >> 16) & 0xFF;
  return red << 16 | green << 8 | blue;
}

}  // namespace okit
