#include "text_engine/bidi.h"

#include <fribidi.h>

namespace okit {

std::vector<std::int8_t> bidi_levels(std::span<const char32_t> text) {
  const auto length = static_cast<FriBidiStrIndex>(text.size());
  std::vector<FriBidiChar> characters(text.begin(), text.end());
  std::vector<FriBidiCharType> types(text.size());
  std::vector<FriBidiBracketType> brackets(text.size());
  std::vector<FriBidiLevel> levels(text.size());
  fribidi_get_bidi_types(characters.data(), length, types.data());
  fribidi_get_bracket_types(characters.data(), length, types.data(), brackets.data());
  FriBidiParType direction = FRIBIDI_PAR_ON;
  if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &direction, levels.data()) == 0) {
    return std::vector<std::int8_t>(text.size(), 0);  // out of memory: show it left to right
  }
  return {levels.begin(), levels.end()};
}

char32_t mirrored(char32_t code_point) {
  FriBidiChar mirror = code_point;
  return fribidi_get_mirror_char(code_point, &mirror) ? mirror : code_point;
}

}  // namespace okit
