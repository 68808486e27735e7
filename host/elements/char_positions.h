#pragma once
// Character positions in UTF-8 text. Text is stored as UTF-8, but the
// positions scripts see (SelStart, SelLength, one-character settings) count
// characters. Characters are counted as the decoder that draws text reads
// them, so a malformed byte sequence is one character here and on screen.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/export.h"

namespace okit::chars {

// Number of characters in `text`.
OKIT_EXPORT std::int32_t count(std::string_view text);

// Byte offset of character `index` (clamped to the end of the text).
OKIT_EXPORT std::size_t byte_offset(std::string_view text, std::int32_t index);

// The characters [first, first + length) of `text`.
OKIT_EXPORT std::string_view slice(std::string_view text, std::int32_t first, std::int32_t length);

}  // namespace okit::chars
