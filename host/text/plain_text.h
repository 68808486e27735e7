#pragma once
// Which characters the classic face may draw the plain way, one glyph each,
// left to right, without the text engine: the blocks of alphabetic scripts
// written left to right with precomposed letters (Latin, Greek, Cyrillic,
// Armenian) and common punctuation, currency and letterlike symbols. The
// list leaves out everything that could need the engine: combining marks,
// right-to-left letters, joiners and the invisible bidirectional controls.
// A character outside it goes to the engine, which draws it correctly
// whatever it is; the list only has to be sure of what it keeps.

namespace okit {

constexpr bool in_plain_blocks(char32_t c) {
  return c < 0x300                     // controls, Latin, IPA, spacing modifiers
         || (c >= 0x370 && c < 0x483)  // Greek and Coptic, Cyrillic letters
         || (c >= 0x48A && c < 0x590)  // Cyrillic, Cyrillic Supplement, Armenian
         || (c >= 0x1E00 && c < 0x2000)  // Latin Extended Additional, Greek Extended
         || (c >= 0x2010 && c < 0x2028)  // dashes, quotation marks, bullets, ellipsis
         || (c >= 0x2030 && c < 0x205F)  // per mille, primes, guillemets, other punctuation
         || (c >= 0x20A0 && c < 0x20D0)  // currency symbols
         || (c >= 0x2100 && c < 0x2190);  // letterlike symbols, number forms
}

}  // namespace okit
