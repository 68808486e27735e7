#pragma once
// FrameBuffer: 32-bit pixels 0x00RRGGBB, row by row from the top. Rows are
// padded to a multiple of four pixels so that every row starts on a 16-byte
// boundary, which lets the fill and copy loops use aligned vector stores.

#include <cstdint>
#include <vector>

#include "host/geometry.h"

namespace okit {

class FrameBuffer {
 public:
  FrameBuffer() = default;
  FrameBuffer(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }  // in pixels, not bytes
  Rect bounds() const { return {0, 0, width_, height_}; }

  std::uint32_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint32_t* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
  std::uint32_t pixel(int x, int y) const { return row(y)[x]; }

  // Reallocates for a new size; the contents become black.
  void resize(int width, int height);

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace okit
