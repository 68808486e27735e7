#pragma once
// Word boundaries of an edit field's text, for Ctrl+Left/Right and for the
// word a double click selects. The text is seen as runs of one kind of
// character: blanks, word characters (letters, digits, the underscore and
// every character beyond ASCII, so accented and non-Latin words hold
// together) and punctuation. A run of punctuation counts as a word of its
// own, as it does in most editors: "file.txt" is three stops, not one.
//
// Positions count characters; the functions take the text decoded into code
// points once by its caller. The edit field itself goes through WordStops,
// which applies the same rules to whole user-perceived characters.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The word stops and runs above, taken by user-perceived character
// (grapheme cluster, host/text/grapheme_breaks.h) so that none falls inside
// one: a cluster is of the kind of its first code point, so a combining mark
// goes with the letter, blank or punctuation it sits on, and an emoji ZWJ
// sequence or a flag is one word character. Positions count code points; a
// position inside a cluster (the field never has one, but a caller may ask)
// counts as that cluster's start going forward and its end going back, so
// every answer lies on a cluster boundary.
class WordStops {
 public:
  explicit WordStops(std::string_view utf8);
  std::int32_t previous_word_start(std::int32_t caret) const;
  std::int32_t next_word_start(std::int32_t caret) const;
  // The run that holds the cluster holding code point `index`.
  Run run_at(std::int32_t index) const;

 private:
  // The index of the cluster that holds code point `position`, and of the
  // first cluster that starts at or after it; both clamped to [0, count].
  std::int32_t cluster_of(std::int32_t position) const;
  std::int32_t cluster_end_of(std::int32_t position) const;

  std::u32string firsts_;             // the first code point of each cluster
  std::vector<std::int32_t> starts_;  // where each cluster starts, and the text's length
};

}  // namespace okit::words
