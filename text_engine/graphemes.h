#pragma once
// Where the characters a user perceives begin: the extended grapheme
// clusters of Unicode's text segmentation, as ICU's character break
// iterator finds them. "e" + U+0301, a Hangul syllable of conjoining jamo,
// an emoji with a skin-tone modifier or joined by ZWJ, and a flag's two
// regional indicators are one cluster each.

#include <cstdint>
#include <string_view>
#include <vector>

namespace okit {

// Boundaries in code point positions, ascending, with 0 and the length;
// empty when ICU fails or answers something that is not such a list.
// Malformed UTF-8 counts as host/utf8.h decodes it.
std::vector<std::int32_t> grapheme_boundaries(std::string_view utf8);

}  // namespace okit
