#include "host/elements/edit_buffer.h"

#include <algorithm>

#include "host/elements/char_positions.h"
#include "host/text/grapheme_breaks.h"

namespace okit {

std::int32_t EditBuffer::length() const { return chars::count(text_); }

std::int32_t EditBuffer::selection_start() const { return std::min(anchor_, caret_); }

std::int32_t EditBuffer::selection_length() const { return std::max(anchor_, caret_) - selection_start(); }

std::string EditBuffer::selected_text() const {
  return std::string(chars::slice(text_, selection_start(), selection_length()));
}

std::int32_t EditBuffer::clamp(std::int32_t position) const { return std::clamp(position, 0, length()); }

bool EditBuffer::set_text(std::string text) {
  const bool changed = text != text_;
  text_ = std::move(text);
  anchor_ = caret_ = 0;
  return changed;
}

void EditBuffer::select(std::int32_t anchor, std::int32_t caret) {
  anchor_ = clamp(anchor);
  caret_ = clamp(caret);
}

void EditBuffer::move_caret(std::int32_t to, bool extend) {
  caret_ = clamp(to);
  if (!extend) anchor_ = caret_;
}

bool EditBuffer::replace_selection(std::string_view insert) {
  const std::int32_t start = selection_start();
  const std::size_t begin = chars::byte_offset(text_, start);
  const std::size_t end = chars::byte_offset(text_, start + selection_length());
  const bool changed = std::string_view(text_).substr(begin, end - begin) != insert;
  text_.replace(begin, end - begin, insert);
  anchor_ = caret_ = start + chars::count(insert);
  // Between two ASCII characters (but CR LF) the caret is on a boundary for
  // certain, so typing Latin text breaks nothing into clusters.
  if (!text::GraphemeBreaks::plainly_a_boundary(text_, begin + insert.size()))
    anchor_ = caret_ = cluster_end(caret_);
  return changed;
}

bool EditBuffer::delete_backward() {
  if (anchor_ == caret_) {
    if (caret_ == 0) return false;
    anchor_ = cluster_before(caret_);
  }
  return replace_selection({});
}

bool EditBuffer::delete_forward() {
  if (anchor_ == caret_) {
    if (caret_ == length()) return false;
    anchor_ = cluster_after(caret_);
  }
  return replace_selection({});
}

std::int32_t EditBuffer::cluster_start(std::int32_t position) const {
  return text::GraphemeBreaks(text_).floor(position);
}

std::int32_t EditBuffer::cluster_end(std::int32_t position) const {
  return text::GraphemeBreaks(text_).ceil(position);
}

std::int32_t EditBuffer::cluster_before(std::int32_t position) const {
  return text::GraphemeBreaks(text_).previous(position);
}

std::int32_t EditBuffer::cluster_after(std::int32_t position) const {
  return text::GraphemeBreaks(text_).next(position);
}

}  // namespace okit
