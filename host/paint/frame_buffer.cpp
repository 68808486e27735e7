#include "host/paint/frame_buffer.h"

#include <algorithm>

namespace okit {

FrameBuffer::FrameBuffer(int width, int height) { resize(width, height); }

void FrameBuffer::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = (width_ + 3) & ~3;
  pixels_.assign(static_cast<std::size_t>(stride_) * height_, 0);
}

}  // namespace okit
