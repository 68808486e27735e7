// The text engine module's one entry point: the services the host asks for
// once it has loaded the module (host/text/text_services.cpp).

#include <unicode/uscript.h>

#include "host/export.h"
#include "host/text/text_services.h"
#include "text_engine/face_finder.h"
#include "text_engine/graphemes.h"
#include "text_engine/line_layout.h"
#include "text_engine/shaping_font.h"

namespace okit {
namespace {

class TextEngine final : public TextServices {
 public:
  std::vector<std::int32_t> grapheme_boundaries(std::string_view utf8) const override {
    return okit::grapheme_boundaries(utf8);
  }
  LineLayout lay_out_line(std::string_view utf8, bool bold, GlyphSource& source) const override {
    return okit::lay_out_line(utf8, bold, source);
  }
  std::unique_ptr<FaceFinder> face_finder(std::string skip_path) const override {
    return make_face_finder(std::move(skip_path));
  }
  std::string characters_of(char32_t code_point) const override {
    UErrorCode status = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(static_cast<UChar32>(code_point), &status);
    if (U_FAILURE(status) || script == USCRIPT_UNKNOWN) return "unassigned characters";
    if (script == USCRIPT_COMMON) return "symbols and punctuation";
    if (script == USCRIPT_INHERITED) return "combining marks";
    return std::string(uscript_getName(script)).append(" characters");
  }
  std::unique_ptr<ShapingFont> shaping_font(void* ft_face) const override { return make_shaping_font(ft_face); }
};

}  // namespace
}  // namespace okit

extern "C" OKIT_EXPORT const okit::TextServices* okit_text_services() {
  static const okit::TextEngine engine;
  return &engine;
}
