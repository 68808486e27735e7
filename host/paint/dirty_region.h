#pragma once
// DirtyRegion: the parts of a form that must be painted again, as a short
// list of rectangles in the form's client pixels. Two rectangles are merged
// into their bounding box only when that box is no larger than the two
// together, so merging never paints more than painting both would; a
// rectangle already covered adds nothing. Past a handful of pieces the
// region collapses to one box, because every piece costs a walk of the tree.

#include <vector>

#include "host/export.h"
#include "host/geometry.h"

namespace okit {

class OKIT_EXPORT DirtyRegion {
 public:
  void add(Rect r);
  bool empty() const { return rects_.empty(); }
  const std::vector<Rect>& rects() const { return rects_; }
  // Returns the region cut to `bounds` and leaves it empty.
  std::vector<Rect> take(Rect bounds);
  void clear() { rects_.clear(); }

 private:
  static constexpr std::size_t kMaxPieces = 16;
  std::vector<Rect> rects_;
};

}  // namespace okit
