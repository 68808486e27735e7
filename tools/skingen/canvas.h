#pragma once
// The few drawing operations the skins are made of: flat fills, gradients
// given by colour stops, one-pixel outlines and the rounded corners that
// blend a button's outline into the window background.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/picture.h"

namespace okit::skingen {

using Colour = std::uint32_t;  // 0xRRGGBB

// The window background that rounded corners blend into.
inline constexpr Colour kWindowBackground = 0xECE9D8;

// The colour `amount` of the way from `from` to `to` (0 gives `from`).
Colour mix(Colour from, Colour to, double amount);

// A colour fixed at one position of a gradient; between two stops the colour
// runs linearly, before the first and after the last it stays constant.
struct Stop {
  int at;
  Colour colour;
};
using Stops = std::vector<Stop>;
Colour gradient_at(const Stops& stops, double position);

struct Area {
  int left;
  int top;
  int width;
  int height;
};

class Canvas {
 public:
  Canvas(int width, int height, Colour background);

  int width() const { return bitmap_.width; }
  int height() const { return bitmap_.height; }
  Colour at(int x, int y) const;
  // Pixels outside the canvas are ignored, which keeps shapes near the edge
  // free of bounds checks.
  void set(int x, int y, Colour colour);

  void fill(Area area, Colour colour);
  // Every row of the area in the colour the stops give for that row of the
  // canvas, so pieces cut from one gradient line up.
  void fill_rows(Area area, const Stops& stops);
  // A gradient along the diagonal from the top-left to the bottom-right pixel.
  void fill_diagonal(Area area, Colour top_left, Colour bottom_right);
  void outline(Area area, Colour colour);

  Canvas crop(Area area) const;
  const Bitmap& bitmap() const { return bitmap_; }

 private:
  Bitmap bitmap_;
};

// Rounds the four corners of a canvas whose edge is a one-pixel outline: in
// each 3 x 3 corner the outline curves through the diagonal pixel and the
// pixels outside the curve fade into `background`.
void round_corners(Canvas& canvas, Colour outline, Colour background);

// A finished skin image and the name the controls know it by ("d1").
struct Skin {
  std::string name;
  Bitmap bitmap;
};
using SkinSet = std::vector<Skin>;

}  // namespace okit::skingen
