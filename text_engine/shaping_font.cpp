#include "text_engine/shaping_font.h"

#include <hb-ft.h>

namespace okit {
namespace {

class HarfBuzzFont final : public ShapingFont {
 public:
  explicit HarfBuzzFont(FT_Face face) : font_(hb_ft_font_create_referenced(face)) {
    hb_ft_font_set_load_flags(font_, FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME);
  }
  ~HarfBuzzFont() override { hb_font_destroy(font_); }
  HarfBuzzFont(const HarfBuzzFont&) = delete;
  HarfBuzzFont& operator=(const HarfBuzzFont&) = delete;

  hb_font_t* get() const { return font_; }

 private:
  hb_font_t* font_;
};

}  // namespace

std::unique_ptr<ShapingFont> make_shaping_font(void* ft_face) {
  return std::make_unique<HarfBuzzFont>(static_cast<FT_Face>(ft_face));
}

hb_font_t* harfbuzz_font(const ShapingFont& font) { return static_cast<const HarfBuzzFont&>(font).get(); }

}  // namespace okit
