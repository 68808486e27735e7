#include "host/elements/text_box.h"

#include "host/elements/char_positions.h"
#include "host/form.h"
#include "host/elements/property_checks.h"
#include "host/elements/standard_events.h"

namespace okit {

namespace {
constexpr std::int16_t kShiftHeld = 1;
constexpr std::int16_t kKeyBack = 8;
constexpr std::int16_t kKeyDelete = 46;
constexpr std::int16_t kKeyEnd = 35;
constexpr std::int16_t kKeyHome = 36;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kFirstPrintable = 32;
constexpr std::int16_t kAsciiDelete = 127;  // Ctrl+Back types it; it inserts nothing
}  // namespace

TextBox::TextBox(std::string name) : Element(std::move(name)) { take_window(); }

void TextBox::after_edit(const EditBuffer& before, bool changed) {
  if (!(buffer_ == before)) invalidate();
  if (changed) raise("Change");
}

void TextBox::put_Text(std::string v) {
  const EditBuffer before = buffer_;
  after_edit(before, buffer_.set_text(std::move(v)));
}

// Setting SelStart places the caret and clears the selection.
void TextBox::put_SelStart(std::int32_t v) {
  checked_at_least(v, 0);
  const EditBuffer before = buffer_;
  buffer_.select(v, v);
  after_edit(before, false);
}

void TextBox::put_SelLength(std::int32_t v) {
  checked_at_least(v, 0);
  const EditBuffer before = buffer_;
  const std::int32_t start = buffer_.selection_start();
  buffer_.select(start, start + v);
  after_edit(before, false);
}

void TextBox::put_SelText(std::string v) {
  const EditBuffer before = buffer_;
  after_edit(before, buffer_.replace_selection(v));
}

void TextBox::put_PasswordChar(std::string v) {
  checked_range(chars::count(v), 0, 1);
  set_and_invalidate(password_char_, std::move(v));
}

void TextBox::put_Appearance(std::int16_t v) { set_and_invalidate(appearance_, checked_range(v, 0, 1)); }

void TextBox::put_MaxLength(std::int32_t v) { max_length_ = checked_at_least(v, 0); }

std::string TextBox::display_text() const {
  if (password_char_.empty()) return buffer_.text();
  std::string shown;
  for (std::int32_t i = buffer_.length(); i > 0; --i) shown += password_char_;
  return shown;
}

bool TextBox::shows_selection() const {
  const Form* owner = form();
  return !hide_selection_ || (owner && owner->focused() == this);
}

// The KeyDown handler sees the key first and may swallow it by setting
// KeyCode to 0. Caret keys work in a locked field; Delete does not.
void TextBox::key_down(std::int16_t& key_code, std::int16_t& shift) {
  auto keep_alive = shared_from_this();
  Element::key_down(key_code, shift);
  if (!alive()) return;
  const bool extend = (shift & kShiftHeld) != 0;
  const EditBuffer before = buffer_;
  bool changed = false;
  switch (key_code) {
    case kKeyLeft: buffer_.move_caret(buffer_.caret() - 1, extend); break;
    case kKeyRight: buffer_.move_caret(buffer_.caret() + 1, extend); break;
    case kKeyHome: buffer_.move_caret(0, extend); break;
    case kKeyEnd: buffer_.move_caret(buffer_.length(), extend); break;
    case kKeyDelete: changed = !locked_ && buffer_.delete_forward(); break;
    default: break;
  }
  after_edit(before, changed);
}

// The KeyPress handler may change the character or cancel it with 0. Enter
// and Escape type nothing into a single-line field.
void TextBox::key_press(std::int16_t& key_ascii) {
  auto keep_alive = shared_from_this();
  Element::key_press(key_ascii);
  if (!alive() || locked_) return;
  const EditBuffer before = buffer_;
  bool changed = false;
  if (key_ascii == kKeyBack)
    changed = buffer_.delete_backward();
  else if (key_ascii >= kFirstPrintable && key_ascii != kAsciiDelete)
    changed = type_character(key_ascii);
  after_edit(before, changed);
}

// KeyAscii is taken as a Unicode code point; for letters of the Latin-1 range
// that agrees with the classic code page. A full field refuses the character
// unless it replaces a selection.
bool TextBox::type_character(std::int16_t key_ascii) {
  if (max_length_ > 0 && buffer_.length() - buffer_.selection_length() >= max_length_) return false;
  return buffer_.replace_selection(chars::encode(static_cast<char32_t>(key_ascii)));
}

const ClassInfo& TextBox::class_info() const {
  namespace ev = standard_events;
  static const ClassInfo info{
      "TextBox",
      "Host",
      {
          prop<&TextBox::Text, &TextBox::put_Text>("Text", 0, PropType::String),
          runtime_only(prop<&TextBox::SelStart, &TextBox::put_SelStart>("SelStart", 1, PropType::Long)),
          runtime_only(prop<&TextBox::SelLength, &TextBox::put_SelLength>("SelLength", 2, PropType::Long)),
          runtime_only(prop<&TextBox::SelText, &TextBox::put_SelText>("SelText", 3, PropType::String)),
          prop<&TextBox::PasswordChar, &TextBox::put_PasswordChar>("PasswordChar", 4, PropType::String),
          prop<&TextBox::Locked, &TextBox::put_Locked>("Locked", 5, PropType::Boolean),
          prop<&TextBox::ForeColor, &TextBox::put_ForeColor>("ForeColor", -513, PropType::Color),
          prop<&TextBox::BackColor, &TextBox::put_BackColor>("BackColor", -501, PropType::Color),
          prop<&TextBox::Appearance, &TextBox::put_Appearance>("Appearance", -520, PropType::Integer),
          prop<&TextBox::HideSelection>("HideSelection", 6, PropType::Boolean),
          prop<&TextBox::MaxLength, &TextBox::put_MaxLength>("MaxLength", 7, PropType::Long),
      },
      {ev::plain_event("Change", 1), ev::click(), ev::dbl_click(), ev::key_down(), ev::key_press(), ev::key_up(), ev::mouse_down(),
       ev::mouse_move(), ev::mouse_up(), ev::plain_event("GotFocus", 2), ev::plain_event("LostFocus", 3)},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
