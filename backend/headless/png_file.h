#pragma once
// PNG files of composed frames: what `okit render`, `snapshot` and the golden
// tests write and read. Pixels are 0x00RRGGBB, stored as 8-bit RGB.

#include <cstdint>
#include <string>
#include <vector>

#include "host/expected.h"
#include "host/form.h"
#include "host/paint/compositor.h"
#include "host/paint/frame_buffer.h"

namespace okit {

// A plain RGB image read back from a PNG file.
struct RgbPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top
};

// Writes `area` of the frame, each pixel enlarged to scale x scale pixels
// (nearest neighbour, so bevels stay crisp). Writes to a temporary file and
// renames it, so a failed write leaves an older file intact.
Expected<bool> write_png(const std::string& path, const FrameBuffer& frame, Rect area, int scale = 1);

// Composes the form with `compositor` and writes its whole frame.
Expected<bool> write_form_png(Compositor& compositor, Form& form, const std::string& path, int scale = 1);

Expected<RgbPixels> read_png(const std::string& path);

}  // namespace okit
