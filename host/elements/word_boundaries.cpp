#include "host/elements/word_boundaries.h"

#include <algorithm>

#include "host/text/grapheme_breaks.h"
#include "host/utf8.h"

namespace okit::words {

CharKind kind_of(char32_t c) {
  // The no-break space and the typographic spaces separate words as a space
  // does, even though they lie beyond ASCII.
  if (c == U' ' || c == U'\t' || c == U'\u00A0' || (c >= U'\u2000' && c <= U'\u200B') || c == U'\u3000')
    return CharKind::Blank;
  if (c >= 0x80 || c == U'_' || (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'))
    return CharKind::Word;
  return CharKind::Punctuation;
}

std::u32string code_points(std::string_view utf8) {
  std::u32string out;
  for (std::size_t pos = 0; pos < utf8.size();) out += next_code_point(utf8, pos);
  return out;
}

namespace {

std::int32_t length_of(std::u32string_view text) { return static_cast<std::int32_t>(text.size()); }

CharKind kind_at(std::u32string_view text, std::int32_t index) {
  return kind_of(text[static_cast<std::size_t>(index)]);
}

}  // namespace

std::int32_t previous_word_start(std::u32string_view text, std::int32_t caret) {
  std::int32_t pos = std::clamp(caret, 0, length_of(text));
  while (pos > 0 && kind_at(text, pos - 1) == CharKind::Blank) --pos;
  if (pos == 0) return 0;
  const CharKind kind = kind_at(text, pos - 1);
  while (pos > 0 && kind_at(text, pos - 1) == kind) --pos;
  return pos;
}

std::int32_t next_word_start(std::u32string_view text, std::int32_t caret) {
  const std::int32_t length = length_of(text);
  std::int32_t pos = std::clamp(caret, 0, length);
  if (pos < length && kind_at(text, pos) != CharKind::Blank) {
    const CharKind kind = kind_at(text, pos);
    while (pos < length && kind_at(text, pos) == kind) ++pos;
  }
  while (pos < length && kind_at(text, pos) == CharKind::Blank) ++pos;
  return pos;
}

Run run_at(std::u32string_view text, std::int32_t index) {
  const std::int32_t length = length_of(text);
  if (length == 0) return {};
  const std::int32_t at = std::clamp(index, 0, length - 1);
  const CharKind kind = kind_at(text, at);
  Run run{at, at + 1};
  while (run.begin > 0 && kind_at(text, run.begin - 1) == kind) --run.begin;
  while (run.end < length && kind_at(text, run.end) == kind) ++run.end;
  return run;
}

WordStops::WordStops(std::string_view utf8) : starts_(text::GraphemeBreaks(utf8).boundaries()) {
  const std::u32string all = code_points(utf8);
  firsts_.reserve(starts_.size() - 1);
  for (std::size_t k = 0; k + 1 < starts_.size(); ++k) firsts_ += all[static_cast<std::size_t>(starts_[k])];
}

std::int32_t WordStops::cluster_of(std::int32_t position) const {
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  return std::max(0, static_cast<std::int32_t>(after - starts_.begin()) - 1);
}

std::int32_t WordStops::cluster_end_of(std::int32_t position) const {
  const auto end = std::lower_bound(starts_.begin(), starts_.end(), position);
  return static_cast<std::int32_t>(std::min(end, starts_.end() - 1) - starts_.begin());
}

std::int32_t WordStops::previous_word_start(std::int32_t caret) const {
  return starts_[static_cast<std::size_t>(words::previous_word_start(firsts_, cluster_end_of(caret)))];
}

std::int32_t WordStops::next_word_start(std::int32_t caret) const {
  return starts_[static_cast<std::size_t>(words::next_word_start(firsts_, cluster_of(caret)))];
}

Run WordStops::run_at(std::int32_t index) const {
  const Run clusters = words::run_at(firsts_, cluster_of(index));
  return {starts_[static_cast<std::size_t>(clusters.begin)], starts_[static_cast<std::size_t>(clusters.end)]};
}

}  // namespace okit::words
