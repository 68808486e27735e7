#pragma once
// One line of text in any script, laid out for drawing and for the caret by
// the text engine (host/text/text_services.h): split into the characters a
// user perceives, each shown by the classic face when it has them and
// otherwise by a face that does; put in bidirectional order; the runs the
// classic face cannot show shaped. Text the classic face draws one glyph
// per character, left to right (host/text/plain_text.h), never comes here:
// the font keeps its plain path for it, so its pixels stay as they were.

#include <cstdint>
#include <string_view>
#include <vector>

#include "host/glyph_bitmap.h"
#include "host/text/character_span.h"

namespace okit {

// A glyph at its place: `x` from the start of the line to the pen, `rise`
// pixels up from the baseline (marks above letters, for instance).
struct PlacedGlyph {
  const GlyphBitmap* glyph = nullptr;
  int x = 0;
  int rise = 0;
};

struct LineLayout {
  int width = 0;
  std::vector<PlacedGlyph> glyphs;          // in drawing order
  std::vector<CharacterSpan> characters;    // one per code point, in logical order
};

// A face's data for shaping, made by the text engine (its HarfBuzz font).
class ShapingFont {
 public:
  virtual ~ShapingFont() = default;
};

// What the layout asks of the font. Face 0 is the classic face; others are
// the stand-ins the font has loaded. Glyph references stay valid for the
// font's life.
class GlyphSource {
 public:
  virtual bool classic_has(char32_t code_point) = 0;
  // The stand-in face for a character the classic face lacks; 0 when no
  // installed face has it (the classic face then shows its box).
  virtual int face_for(char32_t code_point, bool bold) = 0;
  virtual const ShapingFont& shaping_font(int face_number) = 0;
  // Whether drawing bold widens the face's glyphs (it is not bold itself).
  virtual bool adds_bold(int face_number, bool bold) = 0;
  virtual const GlyphBitmap& classic_glyph(char32_t code_point, bool bold) = 0;
  virtual const GlyphBitmap& glyph(int face_number, unsigned glyph_index, bool bold) = 0;

 protected:
  ~GlyphSource() = default;
};

}  // namespace okit
