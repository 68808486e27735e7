#pragma once
// Scale modes of containers: the unit in which the positions of their
// children are given. Twips are the common currency (15 to a pixel at 96
// dots per inch); everything else converts through them.

#include <cstdint>

#include "host/export.h"

namespace okit {

enum class ScaleMode : std::int16_t {
  User = 0,
  Twips = 1,
  Points = 2,
  Pixels = 3,
  Characters = 4,
  Inches = 5,
  Millimeters = 6,
  Centimeters = 7,
};

inline constexpr double kTwipsPerPixel = 15.0;

// Twips in one unit of `mode` along x (vertical false) or y. User scale is
// treated as twips by callers that have no user scale of their own.
OKIT_EXPORT double twips_per_unit(ScaleMode mode, bool vertical);

// ScaleX / ScaleY: a length in `from` units expressed in `to` units.
OKIT_EXPORT double convert_scale(double length, ScaleMode from, ScaleMode to, bool vertical);

// Throws Invalid property value (380) for a number that is no scale mode.
OKIT_EXPORT ScaleMode scale_mode_from(std::int16_t value);

}  // namespace okit
