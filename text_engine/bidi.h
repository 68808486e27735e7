#pragma once
// The Unicode bidirectional algorithm, by FriBidi: the embedding level of
// each character of one paragraph (even: left to right, odd: right to left),
// explicit marks, embeddings, overrides and isolates included. The
// paragraph's direction is that of its first strong character, left to
// right when it has none, as labels and edit fields of other toolkits do.

#include <cstdint>
#include <span>
#include <vector>

namespace okit {

std::vector<std::int8_t> bidi_levels(std::span<const char32_t> text);

// The glyph a right-to-left run shows for a paired character: "(" as ")".
char32_t mirrored(char32_t code_point);

}  // namespace okit
