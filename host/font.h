#pragma once
// Text metrics and monochrome glyph drawing for the classic 8-point
// sans-serif look: a 13-pixel line from a bitmap strike, bold made by
// widening each glyph by one pixel. Characters the face lacks are drawn by
// an installed face that has them, on the same baseline, and lines in
// scripts that need it are shaped and put in bidirectional order. A face that cannot be used falls back to
// another installed sans-serif face, and when none opens, to fixed 6-pixel
// metrics that draw nothing, so text never stops a form from loading.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/text/character_span.h"

namespace okit {

class Font {
 public:
  // Opens the face at `path`, or a fallback when that face is not usable; it
  // always returns a font. When a fallback was taken, *warning (if given)
  // receives the one-line message to show the user, otherwise it is cleared.
  static std::unique_ptr<Font> open(const std::string& path, std::string* warning);
  // The same, trying `fallback_paths` in order instead of the usual
  // installed sans-serif faces.
  static std::unique_ptr<Font> open(const std::string& path, std::span<const char* const> fallback_paths,
                                    std::string* warning);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  int ascent() const;
  int descent() const;
  int line_height() const;

  // The width in pixels of UTF-8 text on one line. Bold adds one pixel per
  // glyph and one more per non-empty string for the last glyph's overhang.
  int text_width(std::string_view utf8, bool bold) const;

  // Draws UTF-8 text into an 8-bit coverage mask (one byte per pixel; drawn
  // pixels become 255, others are left alone) with the pen starting at
  // `left` and the baseline at `top + ascent()`. Pixels outside the
  // mask_width x mask_height mask are clipped. Returns the same advance as
  // text_width.
  int draw_text(std::string_view utf8, bool bold, std::uint8_t* mask, int mask_width, int mask_height, int stride,
                int left, int top) const;

  // Where each code point of the line shows, in logical order, as draw_text
  // draws it from x = 0 (see CharacterSpan).
  std::vector<CharacterSpan> character_spans(std::string_view utf8, bool bold) const;

  // How many stand-in faces this font has opened for characters its own
  // face lacks: none for text the classic face covers.
  int stand_in_count() const;

 private:
  struct Impl;
  explicit Font(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The process-wide font, opened on first use from the configured path. A
// fallback is announced once on standard error.
const Font& default_font();

// Chooses the face default_font() opens; it has no effect once the default
// font has been opened. The library reads no environment itself: the
// application passes on its --font option or OKIT_FONT.
void set_font_path(std::string path);

}  // namespace okit
