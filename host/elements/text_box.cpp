#include "host/elements/text_box.h"

#include "host/elements/char_positions.h"
#include "host/elements/property_checks.h"
#include "host/elements/standard_events.h"

namespace okit {

TextBox::TextBox(std::string name) : Element(std::move(name)), blink_(*this, [this] { invalidate(); }) { take_window(); }

void TextBox::put_Text(std::string v) {
  const EditBuffer before = buffer_;
  after_edit(before, buffer_.set_text(std::move(v)));
}

// Setting SelStart places the caret and clears the selection. A position
// inside a user-perceived character (a letter and its combining marks, an
// emoji sequence, a flag) moves back to that character's start.
void TextBox::put_SelStart(std::int32_t v) {
  checked_at_least(v, 0);
  const EditBuffer before = buffer_;
  const std::int32_t start = buffer_.cluster_start(v);
  buffer_.select(start, start);
  after_edit(before, false);
}

// A selection that would end inside a user-perceived character takes all of
// it (docs/text.md).
void TextBox::put_SelLength(std::int32_t v) {
  checked_at_least(v, 0);
  const EditBuffer before = buffer_;
  const std::int32_t start = buffer_.selection_start();
  const std::int32_t end = v > buffer_.length() - start ? buffer_.length() : start + v;
  buffer_.select(start, buffer_.cluster_end(end));
  after_edit(before, false);
}

void TextBox::put_SelText(std::string v) {
  const EditBuffer before = buffer_;
  after_edit(before, buffer_.replace_selection(v));
}

// The three settings below change where the characters lie, so the view
// scrolls again to keep the caret inside.
void TextBox::put_PasswordChar(std::string v) {
  checked_range(chars::count(v), 0, 1);
  set_and_invalidate(password_char_, std::move(v));
  keep_caret_visible();
}

void TextBox::put_Appearance(std::int16_t v) {
  set_and_invalidate(appearance_, checked_range(v, 0, 1));
  keep_caret_visible();
}

void TextBox::put_BorderStyle(std::int16_t v) {
  set_and_invalidate(border_style_, checked_range(v, 0, 1));
  keep_caret_visible();
}

void TextBox::put_MaxLength(std::int32_t v) { max_length_ = checked_at_least(v, 0); }

std::string TextBox::display_text() const { return masked(buffer_.text()); }

std::string TextBox::masked(std::string text) const {
  if (password_char_.empty()) return text;
  std::string shown;
  for (std::int32_t i = chars::count(text); i > 0; --i) shown += password_char_;
  return shown;
}

namespace {

constexpr NamedValue kAppearances[] = {{"Flat", 0}, {"3D", 1}};
constexpr NamedValue kBorderStyles[] = {{"None", 0}, {"Single", 1}};

}  // namespace

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
          with_named_values(prop<&TextBox::Appearance, &TextBox::put_Appearance>("Appearance", -520, PropType::Integer),
                            kAppearances),
          with_named_values(
              prop<&TextBox::BorderStyle, &TextBox::put_BorderStyle>("BorderStyle", -504, PropType::Integer),
              kBorderStyles),
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
