#include "host/paint/dirty_region.h"

#include "host/paint/rect_math.h"

namespace okit {

namespace {

bool worth_merging(const Rect& a, const Rect& b) {
  return overlaps(a, b) && area(bounding_box(a, b)) <= area(a) + area(b);
}

}  // namespace

void DirtyRegion::add(Rect r) {
  if (is_empty(r)) return;
  for (const Rect& existing : rects_)
    if (encloses(existing, r)) return;
  // A merged box may now reach pieces it did not touch before, so merging
  // repeats until nothing more joins.
  for (bool merged = true; merged;) {
    merged = false;
    for (auto it = rects_.begin(); it != rects_.end(); ++it) {
      if (encloses(r, *it) || worth_merging(r, *it)) {
        r = bounding_box(r, *it);
        rects_.erase(it);
        merged = true;
        break;
      }
    }
  }
  rects_.push_back(r);
  if (rects_.size() > kMaxPieces) {
    Rect box = rects_.front();
    for (const Rect& piece : rects_) box = bounding_box(box, piece);
    rects_.assign(1, box);
  }
}

std::vector<Rect> DirtyRegion::take(Rect bounds) {
  std::vector<Rect> cut;
  for (const Rect& r : rects_) {
    const Rect inside = intersect(r, bounds);
    if (!is_empty(inside)) cut.push_back(inside);
  }
  rects_.clear();
  return cut;
}

}  // namespace okit
