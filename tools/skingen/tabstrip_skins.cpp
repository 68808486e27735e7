// The tab strip's two tab pictures. A tab rises from its bottom-left corner
// in a soft slope to a flat top, rounds its top-right corner and drops
// straight down; the selected tab's right side flares out at the bottom,
// where it merges with the band beneath. Everything outside the outline is
// the transparent key colour, and neither tab has a bottom edge: the band's
// top line closes it.

#include <cmath>
#include <iterator>

#include "host/skins.h"
#include "tools/skingen/skin_sets.h"

namespace okit::skingen {
namespace {

struct Tab {
  const char* name;
  int width;
  int height;
  bool flared;
  Colour outline;
  Stops body;  // by row
};

// The slope climbs the selected tab's 32 rows over 57 pixels; the lower
// unselected tab climbs at the same angle and so ends a little further left.
constexpr int kSlopeRun = 57;
constexpr int kSlopeRise = 32;
constexpr int kFlare[] = {1, 1, 2, 3, 5};  // outward steps of the right side over the last rows
constexpr int kCornerInset[] = {2, 1};  // the top-right corner, first rows

const Tab kTabs[] = {
    {"img_on", 199, 33, true, 0x657575, {{1, 0xCAE3E7}, {2, 0xBAD2D7}, {3, 0xB2CED2}, {4, 0xAECACE}, {5, 0xAAC6CE}}},
    {"img_off", 185, 31, false, 0x6D7877, {{1, 0xFFFFFF}, {2, 0xF0F5F6}}},
};

// The slope keeps the same angle on both tabs, eased at both ends so it
// leaves the corner and meets the top edge without a kink.
int left_edge(const Tab& tab, int y) {
  const double t = static_cast<double>(tab.height - 1 - y) / kSlopeRise;
  const double eased = 0.5 * t + 0.5 * t * t * (3 - 2 * t);
  return static_cast<int>(std::lround(eased * kSlopeRun));
}

int right_edge(const Tab& tab, int y) {
  const int flare_rows = static_cast<int>(std::size(kFlare));
  const int side = tab.width - 1 - (tab.flared ? kFlare[flare_rows - 1] : 0);
  if (y < static_cast<int>(std::size(kCornerInset))) return side - kCornerInset[y];
  const int flare_row = y - (tab.height - flare_rows);
  if (tab.flared && flare_row >= 0) return side + kFlare[flare_row];
  return side;
}

bool inside(const Tab& tab, int x, int y) {
  if (y < 0) return false;
  return x >= left_edge(tab, y) && x <= right_edge(tab, y);
}

// Pixels of the shape that touch the outside above or to a side form the
// outline; the bottom row is open.
Canvas draw_tab(const Tab& tab) {
  Canvas canvas(tab.width, tab.height, kSkinTransparentKey);
  for (int y = 0; y < tab.height; ++y) {
    const Colour body = gradient_at(tab.body, y);
    for (int x = 0; x < tab.width; ++x) {
      if (!inside(tab, x, y)) continue;
      const bool edge = !inside(tab, x, y - 1) || !inside(tab, x - 1, y) || !inside(tab, x + 1, y);
      canvas.set(x, y, edge ? tab.outline : body);
    }
  }
  return canvas;
}

}  // namespace

SkinSet tabstrip_skins() {
  SkinSet skins;
  for (const Tab& tab : kTabs) skins.push_back({tab.name, draw_tab(tab).bitmap()});
  return skins;
}

}  // namespace okit::skingen
