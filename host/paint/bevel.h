#pragma once
// The one-pixel edges classic 3D borders are built from.

#include <cstdint>

#include "host/geometry.h"

namespace okit {

class Canvas;

// Draws the outermost ring of `box`: the top row and left column in
// `top_left`, the bottom row and right column in `bottom_right`. The two
// corners where the colours meet (top-right, bottom-left) take the bottom-right
// colour, so light seems to fall from the top left.
void draw_edge(Canvas& canvas, Rect box, std::uint32_t top_left, std::uint32_t bottom_right);

}  // namespace okit
