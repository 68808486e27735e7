#include "host/paint/colors.h"

#include <array>

namespace okit {

namespace {

// The classic blue theme, by system colour index (0xRRGGBB), with the names
// a colour picker shows.
constexpr std::array<SystemColorEntry, 31> kSystemColors = {{
    {0xD4D0C8, "Scroll Bar"},  // 0
    {0x3A6EA5, "Desktop"},  // 1
    {0x0054E3, "Active Caption"},  // 2
    {0x7A96DF, "Inactive Caption"},  // 3
    {0xFFFFFF, "Menu"},  // 4
    {0xFFFFFF, "Window Background"},  // 5
    {0x000000, "Window Frame"},  // 6
    {0x000000, "Menu Text"},  // 7
    {0x000000, "Window Text"},  // 8
    {0xFFFFFF, "Caption Text"},  // 9
    {0xD4D0C8, "Active Border"},  // 10
    {0xD4D0C8, "Inactive Border"},  // 11
    {0x808080, "Application Workspace"},  // 12
    {0x316AC5, "Highlight"},  // 13
    {0xFFFFFF, "Highlight Text"},  // 14
    {0xECE9D8, "Button Face"},  // 15
    {0xACA899, "Button Shadow"},  // 16
    {0xACA899, "Gray Text"},  // 17
    {0x000000, "Button Text"},  // 18
    {0xD8E4F8, "Inactive Caption Text"},  // 19
    {0xFFFFFF, "Button Highlight"},  // 20
    {0x716F64, "3D Dark Shadow"},  // 21
    {0xF1EFE2, "3D Light"},  // 22
    {0x000000, "ToolTip Text"},  // 23
    {0xFFFFE1, "ToolTip"},  // 24
    {0xB5B5B5, "Alternate Button Face"},  // 25
    {0x0066CC, "Hot-tracked Item"},  // 26
    {0x3D95FF, "Active Caption Gradient"},  // 27
    {0x9DB9EB, "Inactive Caption Gradient"},  // 28
    {0x316AC5, "Menu Highlight"},  // 29
    {0xECE9D8, "Menu Bar"},  // 30
}};

constexpr std::uint32_t kSystemFlag = 0x80000000u;

}  // namespace

std::span<const SystemColorEntry> system_colors() { return kSystemColors; }

std::uint32_t resolve_color(std::int32_t ole_color) {
  const auto value = static_cast<std::uint32_t>(ole_color);
  if ((value & 0xFF000000u) == kSystemFlag) {
    const std::uint32_t index = value & 0x00FFFFFFu;
    return index < kSystemColors.size() ? kSystemColors[index].rgb : 0x000000;
  }
  const std::uint32_t red = value & 0xFF;
  const std::uint32_t green = (value >> 8) & 0xFF;
  const std::uint32_t blue = (value >> 16) & 0xFF;
  return red << 16 | green << 8 | blue;
}

}  // namespace okit
