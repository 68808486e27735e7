#pragma once
// Canvas: a view into a frame buffer with its own origin and clip rectangle.
// Painters draw in their element's own pixel coordinates (0, 0 is the
// element's top-left corner); `within` hands a child a view of its own
// rectangle, clipped to everything its containers allow. Nothing is ever
// written outside the clip.

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/geometry.h"
#include "host/paint/frame_buffer.h"

namespace okit {

struct Bitmap;

class Canvas {
 public:
  // The whole buffer, or the part of it inside `clip` (buffer pixels).
  explicit Canvas(FrameBuffer& target);
  Canvas(FrameBuffer& target, Rect clip);

  // A view whose origin is the top-left corner of `area` (in this canvas's
  // coordinates) and whose clip is narrowed to `area`.
  Canvas within(Rect area) const;
  // The same origin with the clip narrowed to `area`.
  Canvas clipped_to(Rect area) const;

  bool empty() const;
  Rect clip() const;  // in this canvas's coordinates
  Point origin() const { return origin_; }
  FrameBuffer& target() const { return *target_; }

  void fill_rect(Rect area, std::uint32_t rgb);
  // A one-pixel outline just inside `area`.
  void frame_rect(Rect area, std::uint32_t rgb);
  // Copies the bitmap, or another frame, 1:1 with its top-left corner at `at`.
  // A bitmap's pixels of its transparent colour, if it has one, are skipped.
  void blit(const Bitmap& bitmap, Point at);
  void blit(const FrameBuffer& source, Point at);
  // Scales the bitmap to `area`, each target pixel taking the source pixel
  // under its centre; transparent pixels are skipped as in blit.
  void stretch(const Bitmap& bitmap, Rect area);
  // A one-pixel line from `from` to `to`: the first point is drawn, the last
  // one is not, so lines joined end to start never draw a pixel twice.
  void line(Point from, Point to, std::uint32_t rgb);

  // Draws UTF-8 text in the default font with its text cell's top-left
  // corner at `at` (the baseline lies ascent() below). Returns the advance,
  // which equals the font's text_width.
  int text(std::string_view utf8, Point at, bool bold, std::uint32_t rgb);
  // Underlines the character that starts at byte `first_byte` of `utf8` drawn at
  // `at`: one pixel row, one pixel below the baseline, as wide as the
  // character's advance.
  void underline_character(std::string_view utf8, std::size_t first_byte, Point at, bool bold, std::uint32_t rgb);

 private:
  Canvas(FrameBuffer* target, Point origin, Rect clip) : target_(target), origin_(origin), clip_(clip) {}
  // `area` in buffer pixels, cut to the clip.
  Rect to_target(Rect area) const;
  void copy_in(const std::uint32_t* pixels, int width, int height, int stride, Point at,
               std::optional<std::uint32_t> key);

  FrameBuffer* target_;
  Point origin_;  // where this canvas's (0, 0) lies in the buffer
  Rect clip_;     // in buffer pixels, always inside the buffer
};

// The pixels text drawn at `at` may touch: its text cell widened by the
// most a glyph reaches past its advance or above and below the line.
Rect text_ink_bounds(std::string_view utf8, Point at, bool bold);

}  // namespace okit
