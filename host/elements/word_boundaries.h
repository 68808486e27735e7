#pragma once
// Word boundaries of an edit field's text, for Ctrl+Left/Right and for the
// word a double click selects. The text is seen as runs of one kind of
// character: blanks, word characters (letters, digits, the underscore and
// every character beyond ASCII, so accented and non-Latin words hold
// together) and punctuation. A run of punctuation counts as a word of its
// own, as it does in most editors: "file.txt" is three stops, not one.
//
// Positions count characters; the functions take the text decoded into code
// points once by its caller.

#include <cstdint>
#include <string>
#include <string_view>

namespace okit::words {

enum class CharKind : std::uint8_t { Blank, Word, Punctuation };

CharKind kind_of(char32_t c);

// The code points of UTF-8 text, one per character as the field counts them.
std::u32string code_points(std::string_view utf8);

// Where Ctrl+Left goes from `caret`: the start of the word before it,
// skipping the blanks in between. 0 at the start of the text.
std::int32_t previous_word_start(std::u32string_view text, std::int32_t caret);

// Where Ctrl+Right goes from `caret`: past the rest of the current word and
// the blanks after it, to the start of the next word, or to the end.
std::int32_t next_word_start(std::u32string_view text, std::int32_t caret);

// The characters [begin, end) of one run.
struct Run {
  std::int32_t begin = 0;
  std::int32_t end = 0;
  bool operator==(const Run&) const = default;
};

// The run that holds character `index` (clamped to the last character): the
// word, the punctuation or the blanks a double click there selects. Empty
// for an empty text.
Run run_at(std::u32string_view text, std::int32_t index);

}  // namespace okit::words
