// The web build's FontFace: the classic strike compiled in as a table
// (host/font_strikes.h, read by strike_glyphs.h) instead of a face file
// read with FreeType. There are no stand-in faces: text the classic face
// lacks shows its missing glyph.

#include "host/font_face.h"
#include "host/font_strikes.h"
#include "host/web/strike_glyphs.h"

namespace okit {

struct FontFace::Impl {
  const StrikeTable& table;
};

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

bool FontFace::has_glyph(char32_t code_point) const { return strike_glyph_index(impl_->table, code_point) != 0; }

GlyphBitmap FontFace::render(char32_t code_point, bool bold) const {
  return render_glyph(strike_glyph_index(impl_->table, code_point), bold);
}

GlyphBitmap FontFace::render_glyph(unsigned index, bool bold) const {
  return strike_glyph(impl_->table, index, bold);
}

// Only the text engine shapes, and this build has none: a line never asks.
const ShapingFont& FontFace::shaping_font() const {
  static const ShapingFont unshaped;
  return unshaped;
}

}  // namespace okit
