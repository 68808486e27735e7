#pragma once
// Colours as the host model stores them (OLE_COLOR) and as pixels hold them.
// An OLE_COLOR is either a literal 0x00BBGGRR or 0x80000000 + n, the system
// colour with index n, which resolves through the classic blue theme.

#include <cstdint>
#include <span>
#include <string_view>

namespace okit {

// The system colour indices the painters use by name.
enum class SystemColor : std::int32_t {
  Desktop = 1,
  WindowFrame = 6,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  ButtonShadow = 16,
  GrayText = 17,
  ButtonText = 18,
  ButtonHighlight = 20,
  DarkShadow3D = 21,
  Light3D = 22,
};

// The pixel (0x00RRGGBB) of an OLE_COLOR. A system index past the end of
// the table resolves to black, as the platform answers an unknown index.
std::uint32_t resolve_color(std::int32_t ole_color);

// The system colours by index, as a colour picker lists them.
struct SystemColorEntry {
  std::uint32_t rgb = 0;  // 0x00RRGGBB
  std::string_view name;
};
std::span<const SystemColorEntry> system_colors();

// The OLE_COLOR that names a system colour.
constexpr std::int32_t system_ole_color(SystemColor index) {
  return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index));
}

inline std::uint32_t system_color(SystemColor index) { return resolve_color(system_ole_color(index)); }

}  // namespace okit
