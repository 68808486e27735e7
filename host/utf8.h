#pragma once
// UTF-8 encoding, and decoding for text that arrives from form files, scripts and the
// command line. Such text is not always valid, and drawing it must never fail,
// so malformed bytes decode to the replacement character instead of an error.

#include <cstddef>
#include <string>
#include <string_view>

#include "host/export.h"

namespace okit {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The UTF-8 bytes of one code point (which must not be a surrogate).
OKIT_EXPORT std::string encode_utf8(char32_t code_point);

// Decodes the code point that starts at text[pos] and moves pos past it; pos
// must be less than text.size(). Stray continuation bytes, overlong forms,
// surrogates, values beyond U+10FFFF and truncated sequences decode to
// U+FFFD, one per maximal invalid run, so every call makes progress.
OKIT_EXPORT char32_t next_code_point(std::string_view text, std::size_t& pos);

// Whether every byte belongs to a well-formed sequence (no overlong forms,
// surrogates or code points beyond U+10FFFF).
OKIT_EXPORT bool is_valid_utf8(std::string_view text);

// Unicode's control characters (general category Cc): U+0000 to U+001F,
// U+007F and U+0080 to U+009F. Text shows none of them as a character.
constexpr bool is_control_character(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace okit
