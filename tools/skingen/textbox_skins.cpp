// The text box frame: a left cap, a stretched middle piece and a right cap,
// 21 pixels high, with square corners. Together they draw a one-pixel border
// around the interior, in a normal and a disabled colour pair.

#include "tools/skingen/skin_sets.h"

namespace okit::skingen {
namespace {

constexpr int kHeight = 21;

struct FrameColours {
  Colour border;
  Colour interior;
};

enum class Side { left, none, right };

// One slice: the top and bottom rows are border, and so is the outer column
// of a cap.
Canvas slice(int width, FrameColours colours, Side side) {
  Canvas canvas(width, kHeight, colours.interior);
  canvas.fill({0, 0, width, 1}, colours.border);
  canvas.fill({0, kHeight - 1, width, 1}, colours.border);
  if (side == Side::left) canvas.fill({0, 0, 1, kHeight}, colours.border);
  if (side == Side::right) canvas.fill({width - 1, 0, 1, kHeight}, colours.border);
  return canvas;
}

void add_look(SkinSet& skins, char set, int middle_width, FrameColours colours) {
  const std::string prefix(1, set);
  skins.push_back({prefix + "1", slice(5, colours, Side::left).bitmap()});
  skins.push_back({prefix + "2", slice(middle_width, colours, Side::none).bitmap()});
  skins.push_back({prefix + "3", slice(2, colours, Side::right).bitmap()});
}

}  // namespace

SkinSet textbox_skins() {
  SkinSet skins;
  add_look(skins, 'd', 36, {0x7F9DB9, 0xFFFFFF});
  add_look(skins, 'a', 29, {0xC9C7BA, 0xF5F4EA});
  return skins;
}

}  // namespace okit::skingen
