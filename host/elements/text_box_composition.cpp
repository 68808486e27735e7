// An input method's composition in the edit field. It is shown where the
// commit will put its text, in place of the selection, and is never part of
// Text: the commit arrives as typed characters (Desktop::commit_text) and
// edits the text as typing does.

#include "host/elements/char_positions.h"
#include "host/elements/text_box.h"
#include "host/font.h"

namespace okit {

// Only the field with the keyboard composes, and a locked field takes no
// typing, so it shows nothing that a commit would not insert.
void TextBox::compose(std::string_view composition) {
  const std::string_view next = locked_ || !has_keyboard_focus() ? std::string_view{} : composition;
  if (next == composition_) return;
  composition_ = next;
  invalidate();
  keep_caret_visible();
  blink_.show_now();
}

std::string TextBox::shown_text() const {
  if (composition_.empty()) return display_text();
  std::string text = buffer_.text();
  const CharRange replaced{buffer_.selection_start(), buffer_.selection_start() + buffer_.selection_length()};
  const std::size_t from = chars::byte_offset(text, replaced.begin);
  text.replace(from, chars::byte_offset(text, replaced.end) - from, composition_);
  return masked(std::move(text));
}

TextBox::CharRange TextBox::composition_range() const {
  if (composition_.empty()) return {};
  const std::int32_t begin = buffer_.selection_start();
  return {begin, begin + chars::count(composition_)};
}

std::int32_t TextBox::shown_caret() const { return composition_.empty() ? buffer_.caret() : composition_range().end; }

// The caret's line as the painter draws it: the text starts one inset in
// from the border at the top as at the left.
std::optional<TextInputSpot> TextBox::text_input_spot() const {
  const TextRuler shown = ruler();
  const int x = text_left() + shown.x_of(shown_caret()) - shown.stop(first_stop_);
  const int top = text_left();
  return TextInputSpot{{x, top, x + 1, top + default_font().line_height()}, !composition_.empty()};
}

}  // namespace okit
