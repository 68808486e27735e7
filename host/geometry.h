#pragma once
// Screen and client geometry in whole pixels.

#include <cstdint>

#include "host/export.h"

namespace okit {

struct OKIT_EXPORT Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

// Left and top inclusive, right and bottom exclusive.
struct OKIT_EXPORT Rect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  std::int32_t width() const { return right - left; }
  std::int32_t height() const { return bottom - top; }
  bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool operator==(const Rect&) const = default;
};

}  // namespace okit
