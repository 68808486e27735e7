// The web build's FontFace: the classic strike compiled in as a table
// (host/font_strikes.h) instead of a face file read with FreeType. Glyph
// index n is the table's glyph n - 1; index 0 is the missing glyph, as in a
// FreeType face. There are no stand-in faces: text the classic face lacks
// shows its missing glyph.

#include <algorithm>

#include "host/font_face.h"
#include "host/font_strikes.h"

namespace okit {

struct FontFace::Impl {
  const StrikeTable& table;
};

namespace {

GlyphBitmap unpack(const StrikeBitmap& strike, std::span<const std::uint8_t> bits) {
  GlyphBitmap glyph;
  glyph.advance = strike.advance;
  glyph.left = strike.left;
  glyph.top = strike.top;
  glyph.width = strike.width;
  glyph.rows = strike.rows;
  glyph.coverage.resize(static_cast<std::size_t>(strike.width) * strike.rows);
  for (std::size_t i = 0; i < glyph.coverage.size(); ++i) {
    const std::size_t bit = strike.first_bit + i;
    if (bits[bit / 8] & (0x80 >> (bit % 8))) glyph.coverage[i] = 255;
  }
  return glyph;
}

unsigned glyph_index(const StrikeTable& table, char32_t code_point) {
  const auto found = std::lower_bound(table.glyphs.begin(), table.glyphs.end(), code_point,
                                      [](const StrikeGlyph& glyph, char32_t wanted) { return glyph.code_point < wanted; });
  if (found == table.glyphs.end() || found->code_point != code_point) return 0;
  return static_cast<unsigned>(found - table.glyphs.begin()) + 1;
}

}  // namespace

FontFace::FontFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
FontFace::~FontFace() = default;

std::unique_ptr<FontFace> FontFace::load(const std::string& path, std::string* reason) {
  if (path != kClassicStrike.source_path) {
    *reason = "this build has only the compiled-in strike of " + std::string(kClassicStrike.source_path);
    return nullptr;
  }
  return std::unique_ptr<FontFace>(new FontFace(std::unique_ptr<Impl>(new Impl{kClassicStrike})));
}

std::unique_ptr<FontFace> FontFace::load_fallback(const std::string&, int, bool, std::string* reason) {
  *reason = "this build draws no face but the compiled-in strike";
  return nullptr;
}

int FontFace::ascent() const { return impl_->table.ascent; }
int FontFace::descent() const { return impl_->table.descent; }
int FontFace::line_height() const { return impl_->table.line_height; }

bool FontFace::has_glyph(char32_t code_point) const { return glyph_index(impl_->table, code_point) != 0; }

GlyphBitmap FontFace::render(char32_t code_point, bool bold) const {
  return render_glyph(glyph_index(impl_->table, code_point), bold);
}

GlyphBitmap FontFace::render_glyph(unsigned index, bool bold) const {
  const StrikeTable& table = impl_->table;
  const StrikeGlyph& glyph = index == 0 || index > table.glyphs.size() ? table.missing : table.glyphs[index - 1];
  return unpack(bold ? glyph.bold : glyph.regular, table.bits);
}

// Only the text engine shapes, and this build has none: a line never asks.
const ShapingFont& FontFace::shaping_font() const {
  static const ShapingFont unshaped;
  return unshaped;
}

}  // namespace okit
