#pragma once
// A FreeType face's HarfBuzz font, with advances as the monochrome glyphs
// are drawn: hinted, in whole pixels.

#include <memory>

#include <hb.h>

#include "host/text/line_layout.h"

namespace okit {

std::unique_ptr<ShapingFont> make_shaping_font(void* ft_face);
hb_font_t* harfbuzz_font(const ShapingFont& font);

}  // namespace okit
