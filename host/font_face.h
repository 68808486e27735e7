#pragma once
// One FreeType face prepared for the 13-pixel line, and the glyph bitmaps it
// renders. Internal to the font code: the rest of the host sees only Font.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace okit {

// Every face is set up for this line height: the classic 8-point strike.
inline constexpr int kLineHeightPixels = 13;

// A rendered glyph, one byte per pixel (0 or 255), rows top to bottom.
struct GlyphBitmap {
  int advance = 0;  // pixels the pen moves, including the bold extra pixel
  int left = 0;     // from the pen to the first column
  int top = 0;      // from the baseline up to the first row
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> coverage;
};

class FontFace {
 public:
  // Opens the face at `path` and sets it to the 13-pixel line: a bitmap
  // strike of that height if the face has one, otherwise the largest pixel
  // size of a scalable face whose line fits. On failure returns null and
  // says why in *reason.
  static std::unique_ptr<FontFace> load(const std::string& path, std::string* reason);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  int ascent() const;
  int descent() const;
  int line_height() const;

  // Renders one code point in monochrome; code points the face lacks get its
  // missing glyph. Bold widens the bitmap and the advance by one pixel.
  GlyphBitmap render(char32_t code_point, bool bold) const;

 private:
  FontFace(FT_Library library, FT_Face face) : library_(library), face_(face) {}
  bool load_glyph(FT_UInt index) const;

  FT_Library library_;
  FT_Face face_;
};

}  // namespace okit
