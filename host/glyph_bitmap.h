#pragma once

#include <cstdint>
#include <vector>

namespace okit {

// A rendered glyph, one byte per pixel (0 or 255), rows top to bottom.
struct GlyphBitmap {
  int advance = 0;  // pixels the pen moves, including the bold extra pixel
  int left = 0;     // from the pen to the first column
  int top = 0;      // from the baseline up to the first row
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> coverage;
};

}  // namespace okit
