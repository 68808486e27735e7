#pragma once
// Where the characters a user perceives begin and end in UTF-8 text: the
// extended grapheme clusters of Unicode's text segmentation (UAX #29), as
// ICU's character break iterator finds them in the text engine. "e" + U+0301 COMBINING ACUTE
// ACCENT, a Hangul syllable written as conjoining jamo, an emoji with a
// skin-tone modifier or joined by ZWJ, and a pair of regional indicators (a
// flag) are one cluster each; the edit field never puts its caret, a
// selection's end or a deletion's end inside one.
//
// Positions count code points, as the edit field's SelStart and SelLength
// do; malformed UTF-8 counts as the decoder that draws it reads it (one
// U+FFFD per maximal invalid run, host/utf8.h).
//
// Plain ASCII, the common case, needs no ICU at all: between two ASCII
// characters the only rule that holds them together is CR LF, so text whose
// bytes are all below 0x80 and which has no CR LF pair breaks at every code
// point. Such text is recognised by one pass over its bytes, keeps no list
// of boundaries and does not load the text engine.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace okit::text {

class GraphemeBreaks {
 public:
  explicit GraphemeBreaks(std::string_view utf8);

  // The text's length in code points.
  std::int32_t length() const { return length_; }
  // Whether `position` (in code points) lies between two clusters; 0 and
  // length() always do, positions outside the text never.
  bool is_boundary(std::int32_t position) const;
  // The start of the cluster that holds `position`: `position` itself when it
  // is a boundary. Clamped to the text.
  std::int32_t floor(std::int32_t position) const;
  // The end of the cluster that holds `position`: `position` itself when it
  // is a boundary. Clamped to the text.
  std::int32_t ceil(std::int32_t position) const;
  // The nearest boundary after `position`, or length() at the end.
  std::int32_t next(std::int32_t position) const;
  // The nearest boundary before `position`, or 0 at the start.
  std::int32_t previous(std::int32_t position) const;
  // Every boundary in ascending order: 0 first, length() last (just {0} for
  // an empty text).
  std::vector<std::int32_t> boundaries() const;

  // Whether byte offset `at` of `utf8` is a cluster boundary for certain
  // without looking further: the ends of the text, or a point between two
  // ASCII bytes that are not CR LF. False means "ask GraphemeBreaks". It lets
  // typing in Latin text skip the scan.
  static bool plainly_a_boundary(std::string_view utf8, std::size_t at);

 private:
  std::int32_t length_ = 0;
  // Every boundary, ascending, with 0 and length_; empty when every code
  // point position is one (plain ASCII, or ICU failed: then the field edits
  // by code point as it did before clusters).
  std::vector<std::int32_t> boundaries_;
};

}  // namespace okit::text
