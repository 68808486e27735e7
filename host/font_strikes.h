#pragma once
// The classic face's bitmap strike as a table compiled into the program:
// every glyph the face has, regular and bold, with the face's line metrics.
// tools/strikegen renders it at build time with FreeType (through FontFace),
// so builds without FreeType (the web build) draw the very same pixels.

#include <cstdint>
#include <span>

namespace okit {

// One rendered glyph; its pixels are `width * rows` bits of the table's
// `bits`, row by row from the top, starting at bit `first_bit`, the most
// significant bit of a byte first.
struct StrikeBitmap {
  std::int16_t advance;
  std::int16_t left;
  std::int16_t top;
  std::int16_t width;
  std::int16_t rows;
  std::uint32_t first_bit;
};

struct StrikeGlyph {
  char32_t code_point;
  StrikeBitmap regular;
  StrikeBitmap bold;
};

struct StrikeTable {
  const char* source_path;  // the face file the strike was rendered from
  int ascent;
  int descent;
  int line_height;
  StrikeGlyph missing;                   // drawn for code points the face lacks
  std::span<const StrikeGlyph> glyphs;   // sorted by code point
  std::span<const std::uint8_t> bits;
};

// Defined by the source tools/strikegen writes.
extern const StrikeTable kClassicStrike;

}  // namespace okit
