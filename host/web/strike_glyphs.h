#pragma once
// Glyphs read out of a compiled-in strike table (host/font_strikes.h) as
// the FontFace of a FreeType build would render them: glyph index n is the
// table's glyph n - 1, index 0 the face's missing glyph.

#include "host/font_face.h"
#include "host/font_strikes.h"

namespace okit {

// The glyph index of `code_point`, 0 when the strike lacks it.
unsigned strike_glyph_index(const StrikeTable& table, char32_t code_point);
// The glyph's pixels unpacked to coverage (0 or 255); an index beyond the
// table gives the missing glyph.
GlyphBitmap strike_glyph(const StrikeTable& table, unsigned index, bool bold);

}  // namespace okit
