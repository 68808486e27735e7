// The check box's twelve 13 x 13 boxes: four looks (normal, hover, pressed,
// disabled) times three values (empty, ticked, filled square). Every glyph
// sits in the inner 7 x 7 area at columns and rows 3 to 9.

#include <optional>

#include "tools/skingen/skin_sets.h"

namespace okit::skingen {
namespace {

constexpr int kSize = 13;
constexpr Area kInside = {1, 1, 11, 11};
constexpr Area kGlyphArea = {3, 3, 7, 7};
constexpr Colour kNormalBorder = 0x1C5180;
constexpr Colour kGreen = 0x21A121;

enum class Glyph { none, tick, square };

struct Gradient {
  Colour top_left, bottom_right;
};

struct Box {
  const char* name;
  Colour border;
  Gradient inside;
  std::optional<Gradient> centre;  // the 7 x 7 middle, where a ring surrounds it
  Glyph glyph;
  Gradient glyph_colour;
};

// The hover looks keep a two-pixel warm ring inside the border and paint
// their own centre over it.
constexpr Gradient kHoverRing = {0xFFF0CF, 0xF8B330};

const Box kBoxes[] = {
    {"d1", kNormalBorder, {0xDCDCD7, 0xFFFFFF}, std::nullopt, Glyph::none, {}},
    {"d2", kNormalBorder, {0xE2E2DD, 0xFFFFFF}, std::nullopt, Glyph::tick, {kGreen, kGreen}},
    {"d3", kNormalBorder, {0xE2E2DD, 0xFFFFFF}, std::nullopt, Glyph::square, {0x6DBB6C, 0x76C576}},
    {"a1", kNormalBorder, kHoverRing, Gradient{0xE7E7E3, 0xE7E7E3}, Glyph::none, {}},
    {"a2", kNormalBorder, kHoverRing, Gradient{0xF4F4F3, 0xFAFAF9}, Glyph::tick, {kGreen, kGreen}},
    {"a3", kNormalBorder, kHoverRing, Gradient{0xE7E7E3, 0xE7E7E3}, Glyph::square, {kGreen, kGreen}},
    {"c1", kNormalBorder, {0xB0B0A7, 0xF1EFDF}, std::nullopt, Glyph::none, {}},
    {"c2", kNormalBorder, {0xB0B0A7, 0xF1EFDF}, std::nullopt, Glyph::tick, {0x197A18, 0x1D8C1B}},
    {"c3", kNormalBorder, {0xB0B0A7, 0xF1EFDF}, std::nullopt, Glyph::square, {0x187416, 0x1F941C}},
    {"e1", 0xCAC8BB, {0xFFFFFF, 0xFFFFFF}, std::nullopt, Glyph::none, {}},
    {"e2", 0xCAC8BB, {0xFFFFFF, 0xFFFFFF}, std::nullopt, Glyph::tick, {0xCAC8BB, 0xCAC8BB}},
    {"e3", 0xC7C7C7, {0xF3F3F3, 0xF4F4F4}, std::nullopt, Glyph::square, {0xC7C7C7, 0xC7C7C7}},
};

// The tick is three pixels thick in every column: it falls from the short
// left stroke to its lowest point in column 2, then rises to the top right.
constexpr int kTickTopRow[7] = {2, 3, 4, 3, 2, 1, 0};

void draw_tick(Canvas& canvas, Gradient colour) {
  for (int column = 0; column < kGlyphArea.width; ++column) {
    const Colour c = mix(colour.top_left, colour.bottom_right, column / 6.0);
    for (int row = kTickTopRow[column]; row < kTickTopRow[column] + 3; ++row) {
      canvas.set(kGlyphArea.left + column, kGlyphArea.top + row, c);
    }
  }
}

Canvas draw_box(const Box& box) {
  Canvas canvas(kSize, kSize, 0);
  canvas.outline({0, 0, kSize, kSize}, box.border);
  canvas.fill_diagonal(kInside, box.inside.top_left, box.inside.bottom_right);
  if (box.centre) canvas.fill_diagonal(kGlyphArea, box.centre->top_left, box.centre->bottom_right);
  if (box.glyph == Glyph::tick) draw_tick(canvas, box.glyph_colour);
  if (box.glyph == Glyph::square) {
    canvas.fill_diagonal(kGlyphArea, box.glyph_colour.top_left, box.glyph_colour.bottom_right);
  }
  return canvas;
}

}  // namespace

SkinSet checkbox_skins() {
  SkinSet skins;
  for (const Box& box : kBoxes) skins.push_back({box.name, draw_box(box).bitmap()});
  return skins;
}

}  // namespace okit::skingen
