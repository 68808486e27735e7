#pragma once
// One face prepared for the 13-pixel line, and the glyph bitmaps it
// renders. Internal to the font code: the rest of the host sees only Font.
// The classic face sets the line; faces that stand in for characters it
// lacks are set to its 13-pixel body and drawn on its baseline.
//
// Desktop builds read faces with FreeType (font_face.cpp). The web build
// has no FreeType: its one face is the classic strike, rendered at build
// time into a table (font_face_strikes.cpp), pixel for pixel the same.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/glyph_bitmap.h"
#include "host/text/line_layout.h"

namespace okit {

// Every face is set up for this line height: the classic 8-point strike,
// whose body (pixels per em) is the same 13 pixels.
inline constexpr int kLineHeightPixels = 13;
inline constexpr int kBodyPixels = 13;

class FontFace {
 public:
  // Opens the face at `path` and sets it to the 13-pixel line: a bitmap
  // strike of that height if the face has one, otherwise the largest pixel
  // size of a scalable face whose line fits. On failure returns null and
  // says why in *reason.
  static std::unique_ptr<FontFace> load(const std::string& path, std::string* reason);
  // Opens face `index` of the file at `path` to stand in for characters the
  // classic face lacks: the bitmap strike nearest the 13-pixel body, or a
  // scalable face at that body. `bold` says the face itself is bold, so
  // rendering it bold adds nothing.
  static std::unique_ptr<FontFace> load_fallback(const std::string& path, int index, bool bold, std::string* reason);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  int ascent() const;
  int descent() const;
  int line_height() const;

  // Renders one code point in monochrome; code points the face lacks get its
  // missing glyph. Bold widens the bitmap and the advance by one pixel.
  GlyphBitmap render(char32_t code_point, bool bold) const;
  // The same for a glyph found by shaping.
  GlyphBitmap render_glyph(unsigned glyph_index, bool bold) const;
  bool has_glyph(char32_t code_point) const;

  // Whether drawing bold widens this face's glyphs (it is not bold itself).
  bool adds_bold(bool bold) const { return bold && !bold_face_; }

  // The face's shaping data, made by the text engine on first use.
  const ShapingFont& shaping_font() const;

 private:
  struct Impl;  // what the face is read from
  explicit FontFace(std::unique_ptr<Impl> impl);

  std::unique_ptr<Impl> impl_;
  bool bold_face_ = false;
  mutable std::unique_ptr<ShapingFont> shaping_font_;
};

}  // namespace okit
