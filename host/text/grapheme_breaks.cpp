#include "host/text/grapheme_breaks.h"

#include <algorithm>
#include <numeric>

#include "host/elements/char_positions.h"
#include "host/text/text_services.h"

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

}  // namespace

GraphemeBreaks::GraphemeBreaks(std::string_view utf8) {
  if (breaks_at_every_code_point(utf8)) {
    length_ = static_cast<std::int32_t>(utf8.size());
    return;
  }
  length_ = chars::count(utf8);
  const TextServices* engine = text_services();
  if (engine) boundaries_ = engine->grapheme_boundaries(utf8);
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
