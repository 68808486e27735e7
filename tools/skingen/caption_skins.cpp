// The caption control's frame in its two looks: a title bar of three pieces
// (left end, stretched middle, right end with the close button), a left and
// a right border, and a bottom border of three pieces; plus the close button
// under the cursor and pressed.

#include <cstdlib>

#include "tools/skingen/skin_sets.h"

namespace okit::skingen {
namespace {

constexpr int kBarHeight = 20;
constexpr int kBarEndWidth = 54;
constexpr int kBarRightWidth = 46;
constexpr int kBorder = 3;
constexpr int kBottomLeftWidth = 18;
constexpr int kBottomRightWidth = 24;
// The close button's square inside the right end of the bar.
constexpr Area kCloseButton = {28, 4, 13, 13};

struct CloseButton {
  Colour outline;
  Colour fill_top_left, fill_bottom_right;
  Colour cross;
};

struct TitleLook {
  Stops bar;  // by row
  Colour left_edge_top, left_edge_bottom;
  Colour right_edge;
  CloseButton button;
};

const TitleLook kActive = {
    {{0, 0x5DB3FF}, {1, 0x1683FD}, {2, 0x0064EB}, {12, 0x0067F4}, {17, 0x0A78FF}, {18, 0x006BFD}, {19, 0x014ADF}},
    0x0033DE, 0x093DD2, 0x081BCA,
    {0xFFFFFF, 0xE5684B, 0xE54E1F, 0xFFFFFF}};
const TitleLook kDeactivated = {
    {{0, 0x9FBAEB}, {2, 0x7A99E0}, {12, 0x7A99E0}, {18, 0x81A8E8}, {19, 0x7993DE}},
    0x5B68CD, 0x5B68CD, 0x5B5EC5,
    {0xBBC4EE, 0xAF7893, 0xB07D9B, 0xFFFFFF}};
const CloseButton kHoverButton = {0xFFFFFF, 0xFF7869, 0xFF8677, 0xFFFFFF};
const CloseButton kPressedButton = {0xFFFFFF, 0x8D2D14, 0xC7441F, 0xE29D89};

Canvas bar_piece(const TitleLook& look, int width) {
  Canvas canvas(width, kBarHeight, 0);
  canvas.fill_rows({0, 0, width, kBarHeight}, look.bar);
  return canvas;
}

Canvas bar_left_end(const TitleLook& look) {
  Canvas canvas = bar_piece(look, kBarEndWidth);
  canvas.fill_rows({0, 0, 1, kBarHeight}, {{0, look.left_edge_top}, {kBarHeight - 1, look.left_edge_bottom}});
  return canvas;
}

// A square with a white-ish outline whose corner pixels are half blended
// into the bar, a diagonal fill and an anti-aliased diagonal cross.
void draw_close_button(Canvas& canvas, const CloseButton& button) {
  const Area square = kCloseButton;
  canvas.fill_diagonal({square.left + 1, square.top + 1, square.width - 2, square.height - 2}, button.fill_top_left,
                       button.fill_bottom_right);
  canvas.outline(square, button.outline);
  for (int x : {square.left, square.left + square.width - 1}) {
    for (int y : {square.top, square.top + square.height - 1}) {
      canvas.set(x, y, mix(button.outline, canvas.at(x + (x == square.left ? 1 : -1), y), 0.5));
    }
  }
  const int centre_x = square.left + square.width / 2;
  const int centre_y = square.top + square.height / 2;
  constexpr int kArm = 3;
  for (int dy = -kArm; dy <= kArm; ++dy) {
    for (int dx = -kArm; dx <= kArm; ++dx) {
      const int off_diagonal = std::abs(std::abs(dx) - std::abs(dy));
      const int x = centre_x + dx;
      const int y = centre_y + dy;
      if (off_diagonal == 0) canvas.set(x, y, button.cross);
      if (off_diagonal == 1) canvas.set(x, y, mix(canvas.at(x, y), button.cross, 0.5));
    }
  }
}

Canvas bar_right_end(const TitleLook& look, const CloseButton& button) {
  Canvas canvas = bar_piece(look, kBarRightWidth);
  canvas.fill({kBarRightWidth - 1, 0, 1, kBarHeight}, look.right_edge);
  draw_close_button(canvas, button);
  return canvas;
}

// A side border: three columns, each a colour or a short gradient down the
// height, listed from the left.
Canvas side_border(int height, const std::vector<Stops>& columns) {
  Canvas canvas(kBorder, height, 0);
  for (int x = 0; x < kBorder; ++x) canvas.fill_rows({x, 0, 1, height}, columns[x]);
  return canvas;
}

Canvas bottom_piece(int width, Colour top, Colour middle, Colour bottom) {
  Canvas canvas(width, kBorder, 0);
  canvas.fill({0, 0, width, 1}, top);
  canvas.fill({0, 1, width, 1}, middle);
  canvas.fill({0, 2, width, 1}, bottom);
  return canvas;
}

// The active bottom-left corner continues the left border: its left column
// darkens into the corner and its top row starts in the border's light
// middle colour before it settles and runs into the middle piece's colour.
Canvas active_bottom_left() {
  Canvas canvas = bottom_piece(kBottomLeftWidth, 0x074FEA, 0x001EA0, 0x00138C);
  canvas.fill_rows({0, 0, 1, kBorder}, {{0, 0x0019CF}, {1, 0x0016AE}, {2, 0x001499}});
  for (int x = 1; x < kBottomLeftWidth; ++x) {
    const Stops top_row = {{1, 0x166AEE}, {5, 0x074FEA}, {12, 0x074FEA}, {kBottomLeftWidth - 1, 0x0048F1}};
    canvas.set(x, 0, gradient_at(top_row, x));
  }
  return canvas;
}

// The active bottom-right corner meets the right border's three columns and
// darkens into the corner.
Canvas active_bottom_right() {
  Canvas canvas = bottom_piece(kBottomRightWidth, 0x0048F1, 0x001EA1, 0x00138C);
  const Colour corner[] = {0x003DDC, 0x002DBE, 0x001DA0, 0x00138C};
  for (int i = 0; i < 4; ++i) canvas.set(kBottomRightWidth - 4 + i, 0, corner[i]);
  canvas.fill({kBottomRightWidth - 2, 1, 2, 1}, 0x00138C);
  return canvas;
}

// The right corner the control shows before its first refresh: the active
// one moved a pixel to the left, with a grey last column.
Canvas first_bottom_right() {
  const Canvas active = active_bottom_right();
  Canvas shifted(kBottomRightWidth, kBorder, 0x808080);
  for (int y = 0; y < kBorder; ++y) {
    for (int x = 0; x + 1 < kBottomRightWidth; ++x) shifted.set(x, y, active.at(x + 1, y));
  }
  return shifted;
}

constexpr Colour kPaleTop = 0x7586DC;
constexpr Colour kPaleMiddle = 0x6D74CD;
constexpr Colour kPaleBottom = 0x4F53BC;

Canvas deactivated_bottom_left() {
  Canvas canvas = bottom_piece(kBottomLeftWidth, kPaleTop, kPaleMiddle, kPaleBottom);
  canvas.fill({0, 0, 1, kBorder}, 0x5B68CD);
  return canvas;
}

Canvas deactivated_bottom_right() {
  Canvas canvas = bottom_piece(kBottomRightWidth, kPaleTop, kPaleMiddle, kPaleBottom);
  for (int i = 1; i <= 4; ++i) {
    const int x = kBottomRightWidth - 5 + i;
    for (int y = 0; y < 2; ++y) canvas.set(x, y, mix(canvas.at(x, y), kPaleBottom, i / 4.0));
  }
  return canvas;
}

}  // namespace

SkinSet caption_skins() {
  return {
      {"al1", bar_left_end(kActive).bitmap()},
      {"am1", bar_piece(kActive, 6).bitmap()},
      {"ar1", bar_right_end(kActive, kActive.button).bitmap()},
      {"h1", bar_right_end(kActive, kHoverButton).bitmap()},
      {"c1", bar_right_end(kActive, kPressedButton).bitmap()},
      {"al2", side_border(38, {{{0, 0x0731D8}, {37, 0x0934DA}}, {{0, 0x166AEE}}, {{0, 0x0855DD}}}).bitmap()},
      {"ar2", side_border(61, {{{0, 0x003DDC}}, {{0, 0x0021A9}, {4, 0x001EA0}}, {{0, 0x00138C}}}).bitmap()},
      {"al3", active_bottom_left().bitmap()},
      {"am3", bottom_piece(9, 0x0048F1, 0x001EA0, 0x00138C).bitmap()},
      {"ar3", active_bottom_right().bitmap()},
      {"r3", first_bottom_right().bitmap()},
      {"dl1", bar_left_end(kDeactivated).bitmap()},
      {"dm1", bar_piece(kDeactivated, 14).bitmap()},
      {"dr1", bar_right_end(kDeactivated, kDeactivated.button).bitmap()},
      {"dl2", side_border(22, {{{0, 0x7480DC}}, {{0, 0x758CDD}}, {{0, 0x758CDC}}}).bitmap()},
      {"dr2", side_border(13, {{{0, 0x7587DD}}, {{0, 0x6D74CD}}, {{0, 0x4F53BC}}}).bitmap()},
      {"dl3", deactivated_bottom_left().bitmap()},
      {"dm3", bottom_piece(72, kPaleTop, kPaleMiddle, kPaleBottom).bitmap()},
      {"dr3", deactivated_bottom_right().bitmap()},
  };
}

}  // namespace okit::skingen
