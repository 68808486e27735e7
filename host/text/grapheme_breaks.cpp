#include "host/text/grapheme_breaks.h"

#include <unicode/ubrk.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <limits>
#include <numeric>
#include <string>

#include "host/utf8.h"

namespace okit::text {
namespace {

// Every byte below 0x80 and no CR directly before an LF: then every code
// point position is a cluster boundary (see the header), and ICU is not asked.
bool breaks_at_every_code_point(std::string_view utf8) {
  char before = 0;
  for (const char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80 || (before == '\r' && c == '\n')) return false;
    before = c;
  }
  return true;
}

// One character break iterator per thread, opened on first use and then
// given each text in turn: opening one builds ICU's rules, which costs far
// more than breaking a line of text. A desktop runs on one thread, so two
// desktops on two threads never share one.
class CharacterIterator {
 public:
  CharacterIterator() = default;
  CharacterIterator(const CharacterIterator&) = delete;
  CharacterIterator& operator=(const CharacterIterator&) = delete;
  ~CharacterIterator() {
    if (iterator_) ubrk_close(iterator_);
  }

  // Null when ICU cannot open one (its data missing, memory short).
  UBreakIterator* get() {
    if (!iterator_) {
      UErrorCode status = U_ZERO_ERROR;
      // "" is ICU's root locale: the same clusters whatever the process's
      // locale; the grapheme rules are not tailored by language anyway.
      UBreakIterator* opened = ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &status);
      if (U_FAILURE(status)) {
        if (opened) ubrk_close(opened);
        return nullptr;
      }
      iterator_ = opened;
    }
    return iterator_;
  }

 private:
  UBreakIterator* iterator_ = nullptr;
};

UBreakIterator* character_iterator() {
  thread_local CharacterIterator iterator;
  return iterator.get();
}

// The text as UTF-16 for ICU, and at each UTF-16 unit (and at the end) the
// code point position it belongs to. The host's own decoder reads the UTF-8,
// so malformed bytes become the same U+FFFD characters the field counts, and
// the UTF-16 is always well formed (the decoder never yields a surrogate).
struct Utf16Text {
  std::basic_string<UChar> units;
  std::vector<std::int32_t> position;
};

Utf16Text to_utf16(std::string_view utf8) {
  Utf16Text out;
  out.units.reserve(utf8.size());
  out.position.reserve(utf8.size() + 1);
  std::int32_t index = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++index) {
    const char32_t c = next_code_point(utf8, pos);
    if (c >= 0x10000) {
      out.units += static_cast<UChar>(0xD800 + ((c - 0x10000) >> 10));
      out.units += static_cast<UChar>(0xDC00 + ((c - 0x10000) & 0x3FF));
      out.position.push_back(index);
    } else {
      out.units += static_cast<UChar>(c);
    }
    out.position.push_back(index);
  }
  out.position.push_back(index);
  return out;
}

// The cluster boundaries ICU finds, in code point positions; empty when it
// fails, or answers something that is not a well-formed list of boundaries
// from 0 to `length`.
std::vector<std::int32_t> icu_boundaries(const Utf16Text& text, std::int32_t length) {
  UBreakIterator* iterator = character_iterator();
  if (!iterator || text.units.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return {};
  const auto units = static_cast<std::int32_t>(text.units.size());
  UErrorCode status = U_ZERO_ERROR;
  ubrk_setText(iterator, text.units.data(), units, &status);
  std::vector<std::int32_t> out;
  if (U_SUCCESS(status)) {
    for (std::int32_t at = ubrk_first(iterator); at != UBRK_DONE; at = ubrk_next(iterator)) {
      if (at < 0 || at > units) return {};
      const std::int32_t position = text.position[static_cast<std::size_t>(at)];
      if (!out.empty() && position <= out.back()) return {};
      out.push_back(position);
    }
  }
  // The iterator keeps a pointer to the text it breaks: leave it none into
  // memory about to be freed.
  static const UChar kNothing[1] = {0};
  UErrorCode reset = U_ZERO_ERROR;
  ubrk_setText(iterator, kNothing, 0, &reset);
  if (out.empty() || out.front() != 0 || out.back() != length) return {};
  return out;
}

}  // namespace

GraphemeBreaks::GraphemeBreaks(std::string_view utf8) {
  if (breaks_at_every_code_point(utf8)) {
    length_ = static_cast<std::int32_t>(utf8.size());
    return;
  }
  const Utf16Text text = to_utf16(utf8);
  length_ = text.position.back();
  boundaries_ = icu_boundaries(text, length_);
  // A boundary at every code point needs no list.
  if (boundaries_.size() == static_cast<std::size_t>(length_) + 1) boundaries_.clear();
}

bool GraphemeBreaks::is_boundary(std::int32_t position) const {
  if (position < 0 || position > length_) return false;
  return boundaries_.empty() || std::binary_search(boundaries_.begin(), boundaries_.end(), position);
}

std::int32_t GraphemeBreaks::floor(std::int32_t position) const {
  position = std::clamp(position, 0, length_);
  if (boundaries_.empty()) return position;
  return *(std::upper_bound(boundaries_.begin(), boundaries_.end(), position) - 1);
}

std::int32_t GraphemeBreaks::ceil(std::int32_t position) const {
  position = std::clamp(position, 0, length_);
  if (boundaries_.empty()) return position;
  return *std::lower_bound(boundaries_.begin(), boundaries_.end(), position);
}

std::int32_t GraphemeBreaks::next(std::int32_t position) const {
  if (position >= length_) return length_;
  if (position < 0) return 0;
  if (boundaries_.empty()) return position + 1;
  return *std::upper_bound(boundaries_.begin(), boundaries_.end(), position);
}

std::int32_t GraphemeBreaks::previous(std::int32_t position) const {
  if (position <= 0) return 0;
  if (position > length_) return length_;
  if (boundaries_.empty()) return position - 1;
  return *(std::lower_bound(boundaries_.begin(), boundaries_.end(), position) - 1);
}

std::vector<std::int32_t> GraphemeBreaks::boundaries() const {
  if (!boundaries_.empty()) return boundaries_;
  std::vector<std::int32_t> every(static_cast<std::size_t>(length_) + 1);
  std::iota(every.begin(), every.end(), 0);
  return every;
}

bool GraphemeBreaks::plainly_a_boundary(std::string_view utf8, std::size_t at) {
  if (at == 0 || at >= utf8.size()) return true;
  const auto before = static_cast<unsigned char>(utf8[at - 1]);
  const auto after = static_cast<unsigned char>(utf8[at]);
  return before < 0x80 && after < 0x80 && !(before == '\r' && after == '\n');
}

}  // namespace okit::text
