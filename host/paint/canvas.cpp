#include "host/paint/canvas.h"

#include <cstring>

#include <cstdlib>
#include <vector>

#include "host/paint/pixel_loops.h"
#include "host/paint/rect_math.h"
#include "host/picture.h"

namespace okit {

Canvas::Canvas(FrameBuffer& target) : Canvas(&target, {}, target.bounds()) {}

Canvas::Canvas(FrameBuffer& target, Rect clip) : Canvas(&target, {}, intersect(clip, target.bounds())) {}

Canvas Canvas::within(Rect area) const {
  const Rect placed = offset(area, origin_);
  return Canvas(target_, {placed.left, placed.top}, intersect(clip_, placed));
}

Canvas Canvas::clipped_to(Rect area) const { return Canvas(target_, origin_, to_target(area)); }

bool Canvas::empty() const { return is_empty(clip_); }

Rect Canvas::clip() const { return offset(clip_, {-origin_.x, -origin_.y}); }

Rect Canvas::to_target(Rect area) const { return intersect(offset(area, origin_), clip_); }

void Canvas::fill_rect(Rect area, std::uint32_t rgb) {
  const Rect r = to_target(area);
  if (is_empty(r)) return;
  for (int y = r.top; y < r.bottom; ++y) pixel_loops::fill_span(target_->row(y) + r.left, r.width(), rgb);
}

void Canvas::frame_rect(Rect area, std::uint32_t rgb) {
  if (is_empty(area)) return;
  fill_rect({area.left, area.top, area.right, area.top + 1}, rgb);
  fill_rect({area.left, area.bottom - 1, area.right, area.bottom}, rgb);
  fill_rect({area.left, area.top + 1, area.left + 1, area.bottom - 1}, rgb);
  fill_rect({area.right - 1, area.top + 1, area.right, area.bottom - 1}, rgb);
}

namespace {

// A bitmap whose pixels do not fill its size is drawn as nothing rather
// than read past its end.
bool well_formed(const Bitmap& bitmap) {
  return bitmap.width > 0 && bitmap.height > 0 &&
         bitmap.pixels.size() >= static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
}

}  // namespace

void Canvas::blit(const Bitmap& bitmap, Point at) {
  if (well_formed(bitmap))
    copy_in(bitmap.pixels.data(), bitmap.width, bitmap.height, bitmap.width, at, bitmap.transparent_key);
}

void Canvas::blit(const FrameBuffer& source, Point at) {
  if (source.height() > 0) copy_in(source.row(0), source.width(), source.height(), source.stride(), at, std::nullopt);
}

void Canvas::copy_in(const std::uint32_t* pixels, int width, int height, int stride, Point at,
                     std::optional<std::uint32_t> key) {
  const Rect placed = offset(offset({0, 0, width, height}, at), origin_);
  const Rect r = intersect(placed, clip_);
  if (is_empty(r)) return;
  const std::uint32_t* source = pixels + static_cast<std::size_t>(r.top - placed.top) * stride + (r.left - placed.left);
  // Whole rows between buffers of the same layout are one block: a single
  // copy saves the start-up cost of one copy per row.
  if (!key && r.width() == width && stride == target_->stride() && r.left == 0 && width == target_->width()) {
    std::memcpy(target_->row(r.top), source, static_cast<std::size_t>(stride) * r.height() * sizeof(std::uint32_t));
    return;
  }
  for (int y = r.top; y < r.bottom; ++y, source += stride) {
    if (key)
      pixel_loops::copy_span_keyed(target_->row(y) + r.left, source, r.width(), *key);
    else
      pixel_loops::copy_span(target_->row(y) + r.left, source, r.width());
  }
}

namespace {

// A run of target pixels that all take the same source column. Scaling up
// turns a row into a few long runs that fill like solid colour.
struct Run {
  int source_x;
  int length;
};

// The source pixel under the centre of target pixel `i` of `target_size`.
int nearest_source(std::int64_t i, std::int64_t source_size, std::int64_t target_size) {
  return static_cast<int>(((2 * i + 1) * source_size) / (2 * target_size));
}

// Steps along the target row with the centre's source position kept as a
// fraction (numerator over 2 * target_width), so only the first pixel
// needs a division.
void plan_runs(std::vector<Run>& runs, int first, int last, int source_width, int target_width) {
  runs.clear();
  const std::int64_t denominator = 2 * static_cast<std::int64_t>(target_width);
  const std::int64_t step = 2 * static_cast<std::int64_t>(source_width);
  std::int64_t numerator = (2 * static_cast<std::int64_t>(first) + 1) * source_width;
  int source_x = static_cast<int>(numerator / denominator);
  std::int64_t next_column = (source_x + 1) * denominator;
  runs.push_back({source_x, 0});
  for (int x = first; x < last; ++x, numerator += step) {
    if (numerator >= next_column) {
      source_x = static_cast<int>(numerator / denominator);
      next_column = (source_x + 1) * denominator;
      runs.push_back({source_x, 0});
    }
    ++runs.back().length;
  }
}

void fill_runs(std::uint32_t* target, const std::uint32_t* source, const std::vector<Run>& runs,
               std::optional<std::uint32_t> key) {
  for (const Run& run : runs) {
    const std::uint32_t rgb = source[run.source_x];
    const bool transparent = key && rgb == *key;  // the pixels behind stay
    if (!transparent) pixel_loops::fill_span(target, run.length, rgb);
    target += run.length;
  }
}

}  // namespace

void Canvas::stretch(const Bitmap& bitmap, Rect area) {
  const Rect whole = offset(area, origin_);
  const Rect r = intersect(whole, clip_);
  if (is_empty(r) || !well_formed(bitmap)) return;
  thread_local std::vector<Run> runs;
  plan_runs(runs, r.left - whole.left, r.right - whole.left, bitmap.width, whole.width());
  // A row that repeats the source row above it is copied from the target
  // row already drawn, unless transparent pixels let different backgrounds
  // show through the two.
  int previous_source_y = -1;
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint32_t* target = target_->row(y) + r.left;
    const int source_y = nearest_source(y - whole.top, bitmap.height, whole.height());
    if (source_y == previous_source_y && !bitmap.transparent_key) {
      pixel_loops::copy_span(target, target_->row(y - 1) + r.left, r.width());
      continue;
    }
    previous_source_y = source_y;
    fill_runs(target, bitmap.pixels.data() + static_cast<std::size_t>(source_y) * bitmap.width, runs,
              bitmap.transparent_key);
  }
}

// Straight lines become rectangle fills; others step with Bresenham's rule.
void Canvas::line(Point from, Point to, std::uint32_t rgb) {
  if (from == to) return;
  if (from.y == to.y) {
    const bool forwards = from.x < to.x;
    fill_rect({forwards ? from.x : to.x + 1, from.y, forwards ? to.x : from.x + 1, from.y + 1}, rgb);
    return;
  }
  if (from.x == to.x) {
    const bool downwards = from.y < to.y;
    fill_rect({from.x, downwards ? from.y : to.y + 1, from.x + 1, downwards ? to.y : from.y + 1}, rgb);
    return;
  }
  std::int64_t x = static_cast<std::int64_t>(from.x) + origin_.x;
  std::int64_t y = static_cast<std::int64_t>(from.y) + origin_.y;
  const std::int64_t end_x = static_cast<std::int64_t>(to.x) + origin_.x;
  const std::int64_t end_y = static_cast<std::int64_t>(to.y) + origin_.y;
  const std::int64_t dx = std::llabs(end_x - x), dy = -std::llabs(end_y - y);
  const int step_x = x < end_x ? 1 : -1, step_y = y < end_y ? 1 : -1;
  std::int64_t error = dx + dy;
  while (x != end_x || y != end_y) {
    if (x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom)
      target_->row(static_cast<int>(y))[x] = rgb;
    const std::int64_t doubled = 2 * error;
    if (doubled >= dy) error += dy, x += step_x;
    if (doubled <= dx) error += dx, y += step_y;
  }
}

}  // namespace okit
