// The button's five looks. Each look is drawn as one whole button, a rounded
// rectangle 21 pixels high, and then cut into a 7-pixel left cap, a middle
// piece that the button stretches, and an 8-pixel right cap.

#include <optional>

#include "tools/skingen/skin_sets.h"

namespace okit::skingen {
namespace {

constexpr int kHeight = 21;
constexpr int kLeftCap = 7;
constexpr int kRightCap = 8;
constexpr Colour kBlueOutline = 0x003C74;

// The two-pixel coloured frame just inside the outline of the hover and
// focused looks.
struct InnerFrame {
  Colour top_outer, top_inner;
  Colour bottom_inner, bottom_outer;
  Colour side_top, side_bottom;
};

struct Look {
  char set;
  int middle_width;
  Colour outline;
  Stops face;  // by row
  std::optional<InnerFrame> frame;
  bool shaded_right_edge;
};

const Stops kNormalFace = {{1, 0xFFFFFF}, {6, 0xF6F6F3}, {16, 0xF0F0EA},
                           {17, 0xECEBE6}, {18, 0xE2DFD6}, {19, 0xD6D0C5}};
const Stops kPressedFace = {{1, 0xD1CCC1}, {2, 0xDCD8CF}, {3, 0xE5E4DD}, {4, 0xE6E6E0},
                            {16, 0xE0E0D7}, {17, 0xE2E2DA}, {18, 0xEAE9E3}, {19, 0xF2F1EE}};

const Look kLooks[] = {
    {'d', 7, kBlueOutline, kNormalFace, std::nullopt, true},
    {'h', 8, kBlueOutline, kNormalFace, InnerFrame{0xFFF0CF, 0xFDD889, 0xF8B330, 0xE59700, 0xFCD279, 0xF8B535}, true},
    {'c', 8, kBlueOutline, kPressedFace, std::nullopt, false},
    {'f', 12, kBlueOutline, kNormalFace, InnerFrame{0xCEE7FF, 0xBCD4F6, 0x89ADE4, 0x6982EE, 0xBAD3F5, 0x89ADE4}, true},
    {'e', 11, 0xC9C7BA, {{0, 0xF5F4EA}}, std::nullopt, false},
};

// The face turns a little darker over the last columns before the right
// outline, so the button reads as slightly raised. The bottom band is dark
// enough already and stays as it is.
void shade_right_edge(Canvas& canvas) {
  constexpr Colour kEdge = 0xE0DDD4;
  constexpr double kAmounts[] = {0.8, 0.45, 0.15};
  for (int i = 0; i < 3; ++i) {
    const int x = canvas.width() - 2 - i;
    for (int y = 1; y <= 16; ++y) canvas.set(x, y, mix(canvas.at(x, y), kEdge, kAmounts[i]));
  }
}

void draw_inner_frame(Canvas& canvas, const InnerFrame& frame) {
  const int inner_width = canvas.width() - 2;
  canvas.fill({1, 1, inner_width, 1}, frame.top_outer);
  canvas.fill({1, 2, inner_width, 1}, frame.top_inner);
  canvas.fill({1, kHeight - 3, inner_width, 1}, frame.bottom_inner);
  canvas.fill({1, kHeight - 2, inner_width, 1}, frame.bottom_outer);
  const Stops sides = {{3, frame.side_top}, {kHeight - 4, frame.side_bottom}};
  for (int x : {1, 2, canvas.width() - 3, canvas.width() - 2}) canvas.fill_rows({x, 3, 1, kHeight - 6}, sides);
}

Canvas draw_whole_button(const Look& look) {
  Canvas canvas(kLeftCap + look.middle_width + kRightCap, kHeight, kWindowBackground);
  canvas.fill_rows({1, 1, canvas.width() - 2, kHeight - 2}, look.face);
  if (look.shaded_right_edge) shade_right_edge(canvas);
  if (look.frame) draw_inner_frame(canvas, *look.frame);
  canvas.outline({0, 0, canvas.width(), kHeight}, look.outline);
  round_corners(canvas, look.outline, kWindowBackground);
  return canvas;
}

// All columns of a middle piece are alike, so stretching it only widens the
// face; the last one is a shade darker, where the face meets the right cap.
Canvas middle_piece(const Canvas& button, int width) {
  Canvas piece = button.crop({kLeftCap, 0, width, kHeight});
  // Only a level or so darker: stretched across a wide button, a stronger
  // shade would show as a band.
  for (int y = 1; y < kHeight - 1; ++y) piece.set(width - 1, y, mix(piece.at(width - 1, y), 0x000000, 0.006));
  return piece;
}

}  // namespace

SkinSet button_skins() {
  SkinSet skins;
  for (const Look& look : kLooks) {
    const Canvas button = draw_whole_button(look);
    const std::string set(1, look.set);
    skins.push_back({set + "1", button.crop({0, 0, kLeftCap, kHeight}).bitmap()});
    skins.push_back({set + "2", middle_piece(button, look.middle_width).bitmap()});
    skins.push_back({set + "3", button.crop({button.width() - kRightCap, 0, kRightCap, kHeight}).bitmap()});
  }
  return skins;
}

}  // namespace okit::skingen
