#pragma once
// TextBox: a single-line edit field. It keeps its text and selection in an
// EditBuffer and adds the classic property rules on top: SelStart and
// SelLength count characters and are clamped to the text, negative values
// are refused, and Change is raised whenever the text really changes,
// whether by typing or by assigning Text or SelText.

#include <cstdint>
#include <string>

#include "host/element.h"
#include "host/elements/edit_buffer.h"

namespace okit {

class TextBox : public Element {
 public:
  explicit TextBox(std::string name);
  const ClassInfo& class_info() const override;
  bool can_take_focus() const override { return true; }
  void key_down(std::int16_t& key_code, std::int16_t& shift) override;
  void key_press(std::int16_t& key_ascii) override;

  const std::string& Text() const { return buffer_.text(); }
  void put_Text(std::string v);
  std::int32_t SelStart() const { return buffer_.selection_start(); }
  void put_SelStart(std::int32_t v);
  std::int32_t SelLength() const { return buffer_.selection_length(); }
  void put_SelLength(std::int32_t v);
  std::string SelText() const { return buffer_.selected_text(); }
  void put_SelText(std::string v);
  // Empty, or the one character shown in place of each character of the text.
  const std::string& PasswordChar() const { return password_char_; }
  void put_PasswordChar(std::string v);
  bool Locked() const { return locked_; }
  void put_Locked(bool v) { locked_ = v; }
  std::int32_t ForeColor() const { return fore_color_; }
  void put_ForeColor(std::int32_t v) { set_and_invalidate(fore_color_, v); }
  std::int32_t BackColor() const { return back_color_; }
  void put_BackColor(std::int32_t v) { set_and_invalidate(back_color_, v); }
  std::int16_t Appearance() const { return appearance_; }  // 0 flat, 1 3D
  void put_Appearance(std::int16_t v);
  // Read-only at run time; only a design-time layout or a form file sets it.
  bool HideSelection() const { return hide_selection_; }
  void set_hide_selection(bool v) { set_and_invalidate(hide_selection_, v); }
  std::int32_t MaxLength() const { return max_length_; }  // 0: no limit
  void put_MaxLength(std::int32_t v);

  const EditBuffer& buffer() const { return buffer_; }
  // What the field shows: the text, or the password character repeated.
  std::string display_text() const;
  // Whether the selection shows: while the field has its form's focus, or
  // always when HideSelection is off.
  bool shows_selection() const;

  void paint(Canvas& canvas) const override;

 private:
  bool type_character(std::int16_t key_ascii);
  // Repaints when the text or the selection differs from `before`, then
  // raises Change when the text changed.
  void after_edit(const EditBuffer& before, bool changed);

  EditBuffer buffer_;
  std::string password_char_;
  std::int32_t fore_color_ = static_cast<std::int32_t>(0x80000008);
  std::int32_t back_color_ = static_cast<std::int32_t>(0x80000005);
  std::int32_t max_length_ = 0;
  std::int16_t appearance_ = 1;
  bool locked_ = false;
  bool hide_selection_ = true;
};

}  // namespace okit
