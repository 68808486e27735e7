// The strike table the web build draws text from, held against FreeType
// glyph by glyph: each code point the classic face has must come out of the
// table, regular and bold, with FreeType's advance, placement and pixels,
// and no code point it lacks may be in the table.

#include <gtest/gtest.h>

#include <string>

#include "host/font_face.h"
#include "host/font_strikes.h"
#include "host/web/strike_glyphs.h"

namespace okit {
namespace {

testing::AssertionResult same_glyph(const GlyphBitmap& table, const GlyphBitmap& freetype) {
  if (table.advance != freetype.advance || table.left != freetype.left || table.top != freetype.top ||
      table.width != freetype.width || table.rows != freetype.rows)
    return testing::AssertionFailure() << "advance, left, top, width, rows: table " << table.advance << ' '
                                       << table.left << ' ' << table.top << ' ' << table.width << ' ' << table.rows
                                       << ", FreeType " << freetype.advance << ' ' << freetype.left << ' '
                                       << freetype.top << ' ' << freetype.width << ' ' << freetype.rows;
  if (table.coverage != freetype.coverage) return testing::AssertionFailure() << "the pixels differ";
  return testing::AssertionSuccess();
}

std::unique_ptr<FontFace> classic_face() {
  std::string reason;
  auto face = FontFace::load(kClassicStrike.source_path, &reason);
  if (!face) ADD_FAILURE() << kClassicStrike.source_path << ": " << reason;
  return face;
}

TEST(StrikeTable, EveryCodePointDrawsAsFreeTypeDrawsIt) {
  const auto face = classic_face();
  ASSERT_TRUE(face);
  std::size_t glyphs = 0;
  for (char32_t code_point = 0; code_point <= 0x10FFFF; ++code_point) {
    const unsigned index = strike_glyph_index(kClassicStrike, code_point);
    ASSERT_EQ(index != 0, face->has_glyph(code_point)) << "U+" << std::hex << static_cast<unsigned>(code_point);
    if (index == 0) continue;
    ++glyphs;
    for (const bool bold : {false, true})
      ASSERT_TRUE(same_glyph(strike_glyph(kClassicStrike, index, bold), face->render(code_point, bold)))
          << "U+" << std::hex << static_cast<unsigned>(code_point) << (bold ? " bold" : " regular");
  }
  EXPECT_EQ(glyphs, kClassicStrike.glyphs.size());
}

TEST(StrikeTable, MissingGlyphAndLineMetricsAreTheFaces) {
  const auto face = classic_face();
  ASSERT_TRUE(face);
  EXPECT_EQ(kClassicStrike.ascent, face->ascent());
  EXPECT_EQ(kClassicStrike.descent, face->descent());
  EXPECT_EQ(kClassicStrike.line_height, face->line_height());
  const auto past_the_table = static_cast<unsigned>(kClassicStrike.glyphs.size() + 1);
  for (const bool bold : {false, true}) {
    EXPECT_TRUE(same_glyph(strike_glyph(kClassicStrike, 0, bold), face->render_glyph(0, bold)));
    EXPECT_TRUE(same_glyph(strike_glyph(kClassicStrike, past_the_table, bold), face->render_glyph(0, bold)));
  }
}

}  // namespace
}  // namespace okit
