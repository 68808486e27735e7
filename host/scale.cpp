#include "host/scale.h"

#include "host/runtime_error.h"

namespace okit {

double twips_per_unit(ScaleMode mode, bool vertical) {
  switch (mode) {
    case ScaleMode::User:
    case ScaleMode::Twips: return 1.0;
    case ScaleMode::Points: return 20.0;
    case ScaleMode::Pixels: return kTwipsPerPixel;
    // A character cell of the system font: 120 twips wide, 240 high.
    case ScaleMode::Characters: return vertical ? 240.0 : 120.0;
    case ScaleMode::Inches: return 1440.0;
    case ScaleMode::Millimeters: return 1440.0 / 25.4;
    case ScaleMode::Centimeters: return 1440.0 / 2.54;
  }
  return 1.0;
}

double convert_scale(double length, ScaleMode from, ScaleMode to, bool vertical) {
  return length * twips_per_unit(from, vertical) / twips_per_unit(to, vertical);
}

ScaleMode scale_mode_from(std::int16_t value) {
  if (value < 0 || value > 7) throw RuntimeError(err::InvalidPropertyValue);
  return static_cast<ScaleMode>(value);
}

}  // namespace okit
