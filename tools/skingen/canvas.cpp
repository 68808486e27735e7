#include "tools/skingen/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace okit::skingen {

Colour mix(Colour from, Colour to, double amount) {
  Colour result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double a = (from >> shift) & 0xFF;
    const double b = (to >> shift) & 0xFF;
    result |= static_cast<Colour>(std::lround(a + (b - a) * amount)) << shift;
  }
  return result;
}

Colour gradient_at(const Stops& stops, double position) {
  if (position <= stops.front().at) return stops.front().colour;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (position <= stops[i].at) {
      const Stop& before = stops[i - 1];
      return mix(before.colour, stops[i].colour, (position - before.at) / (stops[i].at - before.at));
    }
  }
  return stops.back().colour;
}

Canvas::Canvas(int width, int height, Colour background) {
  bitmap_.width = width;
  bitmap_.height = height;
  bitmap_.pixels.assign(static_cast<std::size_t>(width) * height, background);
}

Colour Canvas::at(int x, int y) const { return bitmap_.pixels[static_cast<std::size_t>(y) * width() + x]; }

void Canvas::set(int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return;
  bitmap_.pixels[static_cast<std::size_t>(y) * width() + x] = colour;
}

void Canvas::fill(Area area, Colour colour) { fill_rows(area, {{0, colour}}); }

void Canvas::fill_rows(Area area, const Stops& stops) {
  for (int y = area.top; y < area.top + area.height; ++y) {
    const Colour colour = gradient_at(stops, y);
    for (int x = area.left; x < area.left + area.width; ++x) set(x, y, colour);
  }
}

void Canvas::fill_diagonal(Area area, Colour top_left, Colour bottom_right) {
  const double length = std::max(1, area.width + area.height - 2);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      set(area.left + x, area.top + y, mix(top_left, bottom_right, (x + y) / length));
    }
  }
}

void Canvas::outline(Area area, Colour colour) {
  const int right = area.left + area.width - 1;
  const int bottom = area.top + area.height - 1;
  fill({area.left, area.top, area.width, 1}, colour);
  fill({area.left, bottom, area.width, 1}, colour);
  fill({area.left, area.top, 1, area.height}, colour);
  fill({right, area.top, 1, area.height}, colour);
}

Canvas Canvas::crop(Area area) const {
  Canvas piece(area.width, area.height, 0);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) piece.set(x, y, at(area.left + x, area.top + y));
  }
  return piece;
}

void round_corners(Canvas& canvas, Colour outline, Colour background) {
  const int right = canvas.width() - 1;
  const int bottom = canvas.height() - 1;
  for (const bool flip_x : {false, true}) {
    for (const bool flip_y : {false, true}) {
      // Maps a position inside the top-left corner onto this corner.
      auto put = [&](int dx, int dy, auto colour_of) {
        const int x = flip_x ? right - dx : dx;
        const int y = flip_y ? bottom - dy : dy;
        canvas.set(x, y, colour_of(canvas.at(x, y)));
      };
      put(0, 0, [&](Colour) { return background; });
      for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
        put(dx, dy, [&](Colour) { return mix(outline, background, 0.6); });
      }
      for (const auto& [dx, dy] : {std::pair{2, 0}, std::pair{0, 2}}) {
        put(dx, dy, [&](Colour) { return mix(outline, background, 0.15); });
      }
      put(1, 1, [&](Colour inside) { return mix(outline, inside, 0.35); });
    }
  }
}

}  // namespace okit::skingen
