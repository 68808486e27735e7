#pragma once
// The text engine's layout of one line (host/text/line_layout.h says what a
// laid-out line holds): ICU's user-perceived characters choose the faces,
// FriBidi gives the order, HarfBuzz shapes the runs of stand-in faces.

#include <string_view>

#include "host/text/line_layout.h"

namespace okit {

// `utf8` is valid UTF-8 (the host refuses anything else before it gets here).
LineLayout lay_out_line(std::string_view utf8, bool bold, GlyphSource& source);

}  // namespace okit
