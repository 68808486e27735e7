#pragma once
// Rectangle arithmetic for painting. Element rectangles come from twips a
// script may set to anything, so shifting saturates instead of overflowing.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "host/geometry.h"

namespace okit {

inline bool is_empty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline std::int64_t area(const Rect& r) {
  return is_empty(r) ? 0 : static_cast<std::int64_t>(r.width()) * r.height();
}

inline Rect intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

inline Rect bounding_box(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

inline bool overlaps(const Rect& a, const Rect& b) { return !is_empty(intersect(a, b)); }

inline bool encloses(const Rect& outer, const Rect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

inline std::int32_t saturating_add(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

inline Rect offset(const Rect& r, Point by) {
  return {saturating_add(r.left, by.x), saturating_add(r.top, by.y), saturating_add(r.right, by.x),
          saturating_add(r.bottom, by.y)};
}

// The rectangle moved in by `by` pixels on every side.
inline Rect inset(const Rect& r, std::int32_t by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// A rectangle of the given size at the origin: an element's own area.
inline Rect sized(const Rect& placed) { return {0, 0, placed.width(), placed.height()}; }

}  // namespace okit
