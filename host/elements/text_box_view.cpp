// What the edit field shows beyond its properties: where its text lies, how
// far it is scrolled, whether its caret is in the visible phase, and whether
// it holds the keyboard focus, which starts and stops the caret.

#include <algorithm>

#include "host/desktop.h"
#include "host/elements/text_box.h"
#include "host/font.h"

namespace okit {

namespace {
constexpr std::int16_t kAppearance3D = 1;
// Space between the inside of the border and the text.
constexpr int kTextInset = 1;
}  // namespace

bool TextBox::has_keyboard_focus() const {
  const Form* owner = form();
  const Desktop* on = owner ? owner->desktop() : nullptr;
  return alive() && on && owner == on->active_form() && owner->focused() == this;
}

bool TextBox::shows_selection() const { return composition_.empty() && (!hide_selection_ || has_keyboard_focus()); }

int TextBox::border_width() const {
  if (border_style_ == 0) return 0;
  return appearance_ == kAppearance3D ? 2 : 1;
}

int TextBox::text_left() const { return border_width() + kTextInset; }

int TextBox::text_room() const { return std::max(0, pixel_rect().width() - 2 * text_left()); }

TextRuler TextBox::ruler() const { return TextRuler(default_font().character_spans(shown_text(), false)); }

bool TextBox::keep_caret_visible() {
  const std::int32_t first = scrolled_to_caret(ruler(), first_stop_, shown_caret(), text_room());
  if (first == first_stop_) return false;
  first_stop_ = first;
  invalidate();
  return true;
}

void TextBox::after_edit(const EditBuffer& before, bool changed) {
  if (!(buffer_ == before)) {
    composition_.clear();  // the composition belonged to the old caret
    invalidate();
    keep_caret_visible();
    blink_.show_now();
  }
  if (changed) raise("Change");
}

void TextBox::keyboard_focus_changed() {
  const bool focused = has_keyboard_focus();
  if (focused == blink_.running()) return;
  if (!focused) {
    dragging_ = false;
    end_composition();
  }
  blink_.set_running(focused);
  // With HideSelection on, the selection comes and goes with the focus.
  if (hide_selection_ && buffer_.has_selection()) invalidate();
}

void TextBox::on_resized() { keep_caret_visible(); }

void TextBox::on_destroy() { blink_.set_running(false); }

}  // namespace okit
