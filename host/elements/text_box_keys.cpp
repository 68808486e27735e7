// The edit field's keyboard: caret keys, deleting, typing and the clipboard
// shortcuts. The KeyDown and KeyPress handlers see every key first and may
// swallow it by setting the key to 0, so the field acts only on what they
// leave. A locked field still moves its caret, selects and copies.

#include <algorithm>
#include <utility>

#include "host/elements/char_positions.h"
#include "host/desktop.h"
#include "host/elements/clipboard.h"
#include "host/elements/text_box.h"
#include "host/elements/word_boundaries.h"
#include "host/text/grapheme_breaks.h"
#include "host/utf8.h"

namespace okit {

namespace {
constexpr std::int16_t kShiftHeld = 1;
constexpr std::int16_t kCtrlHeld = 2;
constexpr std::int16_t kKeyDelete = 46;
constexpr std::int16_t kKeyInsert = 45;
constexpr std::int16_t kKeyEnd = 35;
constexpr std::int16_t kKeyHome = 36;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDown = 40;
// Characters typed with Ctrl held.
constexpr std::int16_t kCtrlA = 1;
constexpr std::int16_t kCtrlC = 3;
constexpr std::int16_t kKeyBack = 8;
constexpr std::int16_t kCtrlV = 22;
constexpr std::int16_t kCtrlX = 24;
constexpr std::int16_t kFirstPrintable = 32;
constexpr std::int16_t kAsciiDelete = 127;  // Ctrl+Back types it; it inserts nothing
}  // namespace

void TextBox::key_down(std::int16_t& key_code, std::int16_t& shift) {
  auto keep_alive = shared_from_this();
  Element::key_down(key_code, shift);
  if (!alive()) return;
  const EditBuffer before = buffer_;
  after_edit(before, edit_key(key_code, shift));
}

void TextBox::key_press(std::int16_t& key_ascii) {
  auto keep_alive = shared_from_this();
  Element::key_press(key_ascii);
  if (!alive()) return;
  const EditBuffer before = buffer_;
  after_edit(before, edit_character(key_ascii));
}

// In a single-line field Up and Down move like Left and Right. Shift+Delete,
// Ctrl+Insert and Shift+Insert are the older names of cut, copy and paste.
bool TextBox::edit_key(std::int16_t key_code, std::int16_t shift) {
  const bool with_shift = (shift & kShiftHeld) != 0;
  const bool with_ctrl = (shift & kCtrlHeld) != 0;
  switch (key_code) {
    case kKeyLeft:
    case kKeyUp: move_caret(false, with_ctrl, with_shift); return false;
    case kKeyRight:
    case kKeyDown: move_caret(true, with_ctrl, with_shift); return false;
    case kKeyHome: buffer_.move_caret(0, with_shift); return false;
    case kKeyEnd: buffer_.move_caret(buffer_.length(), with_shift); return false;
    case kKeyDelete:
      if (with_shift) return cut();
      return !locked_ && buffer_.delete_forward();
    case kKeyInsert:
      if (with_shift) return paste();
      if (with_ctrl) copy();
      return false;
    default: return false;
  }
}

// Ctrl+A, Ctrl+C, Ctrl+V and Ctrl+X arrive as the control characters they
// type, so a KeyPress handler that sets KeyAscii to 0 cancels them as it
// cancels any other character. Enter and Escape type nothing into a
// single-line field.
bool TextBox::edit_character(std::int16_t key_ascii) {
  switch (key_ascii) {
    case kCtrlA: buffer_.select_all(); return false;
    case kCtrlC: copy(); return false;
    case kCtrlV: return paste();
    case kCtrlX: return cut();
    case kKeyBack: return !locked_ && buffer_.delete_backward();
    default: break;
  }
  // KeyAscii is one UTF-16 unit: a character beyond U+FFFF comes as two.
  const auto unit = static_cast<std::uint16_t>(key_ascii);
  const char16_t high = std::exchange(pending_high_surrogate_, 0);
  if (locked_ || unit < kFirstPrintable || unit == kAsciiDelete) return false;
  if (unit >= 0xD800 && unit < 0xDC00) {
    pending_high_surrogate_ = static_cast<char16_t>(unit);
    return false;
  }
  if (unit >= 0xDC00 && unit < 0xE000) {
    if (high == 0) return false;  // half a character: nothing to type
    return type_character(0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00));
  }
  return type_character(unit);
}

// Without Shift an arrow ends a selection at the side it points to; with
// Ctrl the caret jumps by word from where it is.
void TextBox::move_caret(bool forward, bool by_word, bool extend) {
  if (!extend && !by_word && buffer_.has_selection()) {
    const std::int32_t start = buffer_.selection_start();
    buffer_.move_caret(forward ? start + buffer_.selection_length() : start, false);
    return;
  }
  const std::int32_t caret = buffer_.caret();
  const std::int32_t to =
      by_word ? word_stop(forward) : (forward ? buffer_.cluster_after(caret) : buffer_.cluster_before(caret));
  buffer_.move_caret(to, extend);
}

// A masked field shows no words, and its word stops give none away: they
// are the ends of the text. Otherwise the stops are those of the words taken
// by user-perceived character, so none falls inside one.
std::int32_t TextBox::word_stop(bool forward) const {
  if (!password_char_.empty()) return forward ? buffer_.length() : 0;
  const words::WordStops stops(buffer_.text());
  return forward ? stops.next_word_start(buffer_.caret()) : stops.previous_word_start(buffer_.caret());
}

// KeyAscii is taken as a Unicode code point; for letters of the Latin-1 range
// that agrees with the classic code page. A full field refuses the character
// unless it replaces a selection.
bool TextBox::type_character(char32_t character) {
  if (max_length_ > 0 && buffer_.length() - buffer_.selection_length() >= max_length_) return false;
  return buffer_.replace_selection(encode_utf8(character));
}

// ---- Clipboard -------------------------------------------------------------
// A masked field never lets its text out: copy and cut do nothing there,
// while pasting into it works. The clipboard is the desktop's: a field on no
// desktop copies nothing and pastes nothing.

void TextBox::copy() const {
  if (!password_char_.empty() || !buffer_.has_selection()) return;
  if (Desktop* on = desktop()) on->clipboard().set_text(buffer_.selected_text());
}

bool TextBox::cut() {
  if (locked_ || !password_char_.empty() || !buffer_.has_selection()) return false;
  copy();
  return buffer_.replace_selection({});
}

// A single-line field takes the clipboard's first line, and no more of it
// than MaxLength leaves room for: whole user-perceived characters only, so
// shortening it never leaves a letter without its marks or half a flag.
bool TextBox::paste() {
  if (locked_) return false;
  Desktop* on = desktop();
  if (!on) return false;
  std::string text = on->clipboard().text();
  text.erase(std::min(text.find_first_of("\r\n"), text.size()));
  if (max_length_ > 0) {
    const std::int32_t room = std::max(0, max_length_ - (buffer_.length() - buffer_.selection_length()));
    text.resize(chars::byte_offset(text, text::GraphemeBreaks(text).floor(room)));
  }
  if (text.empty()) return false;
  return buffer_.replace_selection(text);
}

}  // namespace okit
