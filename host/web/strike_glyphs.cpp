#include "host/web/strike_glyphs.h"

#include <algorithm>

namespace okit {

unsigned strike_glyph_index(const StrikeTable& table, char32_t code_point) {
  const auto found = std::lower_bound(table.glyphs.begin(), table.glyphs.end(), code_point,
                                      [](const StrikeGlyph& glyph, char32_t wanted) { return glyph.code_point < wanted; });
  if (found == table.glyphs.end() || found->code_point != code_point) return 0;
  return static_cast<unsigned>(found - table.glyphs.begin()) + 1;
}

GlyphBitmap strike_glyph(const StrikeTable& table, unsigned index, bool bold) {
  const StrikeGlyph& glyph = index == 0 || index > table.glyphs.size() ? table.missing : table.glyphs[index - 1];
  const StrikeBitmap& strike = bold ? glyph.bold : glyph.regular;
  GlyphBitmap bitmap;
  bitmap.advance = strike.advance;
  bitmap.left = strike.left;
  bitmap.top = strike.top;
  bitmap.width = strike.width;
  bitmap.rows = strike.rows;
  bitmap.coverage.resize(static_cast<std::size_t>(strike.width) * strike.rows);
  for (std::size_t i = 0; i < bitmap.coverage.size(); ++i) {
    const std::size_t bit = strike.first_bit + i;
    if (table.bits[bit / 8] & (0x80 >> (bit % 8))) bitmap.coverage[i] = 255;
  }
  return bitmap;
}

}  // namespace okit
