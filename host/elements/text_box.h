#pragma once
// TextBox: a single-line edit field. It keeps its text and selection in an
// EditBuffer and adds the classic property rules on top: SelStart and
// SelLength count characters (code points) and are clamped to the text,
// negative values are refused, and Change is raised whenever the text really
// changes, whether by typing, by the clipboard or by assigning Text or
// SelText.
//
// The field behaves as users expect of a classic single-line box: the mouse
// places the caret, drags a selection and selects a word on a double click;
// the keyboard moves by character and by word, extends with Shift, selects
// everything with Ctrl+A and cuts, copies and pastes through the process's
// clipboard. A character here is what the user perceives as one (a grapheme
// cluster: a letter with its combining marks, an emoji sequence, a flag):
// neither the caret nor a selection's end ever lands inside one, also when
// SelStart or SelLength is assigned (docs/text.md). It scrolls sideways to
// keep the caret in view and blinks its caret only while it holds the
// keyboard focus of the active window.
//
// The behaviour is spread over a few files: text_box.cpp (properties),
// text_box_keys.cpp (keyboard and clipboard), text_box_mouse.cpp (mouse),
// text_box_view.cpp (geometry, scrolling, caret and focus),
// text_box_composition.cpp (an input method's composition).

#include <cstdint>
#include <optional>
#include <string>

#include "host/element.h"
#include "host/elements/caret_blink.h"
#include "host/elements/edit_buffer.h"
#include "host/elements/text_ruler.h"
#include "host/export.h"

namespace okit {

class OKIT_EXPORT TextBox : public Element {
 public:
  explicit TextBox(std::string name);
  const ClassInfo& class_info() const override;
  Description describe() override;
  bool can_take_focus() const override { return true; }
  void key_down(std::int16_t& key_code, std::int16_t& shift) override;
  void key_press(std::int16_t& key_ascii) override;
  void mouse_input(std::string_view event, std::span<Value> args) override;
  void keyboard_focus_changed() override;
  void compose(std::string_view composition) override;
  std::optional<TextInputSpot> text_input_spot() const override;

  // ---- Properties --------------------------------------------------------
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
  std::int16_t BorderStyle() const { return border_style_; }  // 0 none, 1 fixed single
  void put_BorderStyle(std::int16_t v);
  // Read-only at run time; only a design-time layout or a form file sets it.
  bool HideSelection() const { return hide_selection_; }
  void set_hide_selection(bool v) { set_and_invalidate(hide_selection_, v); }
  std::int32_t MaxLength() const { return max_length_; }  // 0: no limit
  void put_MaxLength(std::int32_t v);

  // ---- What the painter reads ---------------------------------------------
  const EditBuffer& buffer() const { return buffer_; }
  // What the field shows: the text, or the password character repeated.
  std::string display_text() const;
  // Whether the selection shows: while the field holds the keyboard focus,
  // or always when HideSelection is off; never while a composition takes
  // its place.
  bool shows_selection() const;
  // The border's width in pixels: none, a one-pixel flat line or the
  // two-pixel sunken edge.
  int border_width() const;
  // The text starts this many pixels in from the field's left edge (the
  // border and one pixel of inset), and has this many pixels of room.
  int text_left() const;
  int text_room() const;
  // An input method's composition in progress, or empty. The field shows it
  // in place of the selection (where a commit will put its text), with the
  // caret at its end. Any other edit, a mouse press in the field and the
  // loss of the keyboard focus end it; a locked field takes none.
  const std::string& composition() const { return composition_; }
  // What the field shows: display_text() with the composition in place of
  // the selection.
  std::string shown_text() const;
  // Where the composition lies in shown_text(), in characters; empty when
  // there is none.
  struct CharRange {
    std::int32_t begin = 0, end = 0;
  };
  CharRange composition_range() const;
  // The caret's place in shown_text().
  std::int32_t shown_caret() const;
  // The positions of the shown characters in the default font.
  TextRuler ruler() const;
  // The ruler stop at the field's left edge: the field scrolls sideways to
  // keep the shown caret inside its width, and shows the text from here on.
  std::int32_t first_visible_stop() const { return first_stop_; }
  // Whether the caret is in its visible phase; always false without the
  // keyboard focus of the active window.
  bool caret_visible() const { return blink_.visible(); }
  // Whether the field holds the focus of its form and that form is active.
  bool has_keyboard_focus() const;

  void paint(Canvas& canvas) const override;

 protected:
  void on_resized() override;
  void on_destroy() override;

 private:
  // Keyboard and clipboard (text_box_keys.cpp). The edits return whether
  // the text changed.
  bool edit_key(std::int16_t key_code, std::int16_t shift);
  bool edit_character(std::int16_t key_ascii);
  void move_caret(bool forward, bool by_word, bool extend);
  std::int32_t word_stop(bool forward) const;
  bool type_character(char32_t character);
  void copy() const;
  bool cut();
  bool paste();

  // Mouse (text_box_mouse.cpp). `x` is in the field's own pixels.
  void press(int x, bool extend);
  void drag(int x);
  void select_word(int x);
  int field_x(float x) const;  // from a mouse event's X
  // The x in the text's own pixels (0 at its first character) of a point
  // `x` pixels in from the field's left edge.
  int text_x(const TextRuler& shown, int x) const;

  // `text` as the field shows it: masked when PasswordChar is set.
  std::string masked(std::string text) const;
  // Repaints, scrolls and restarts the caret when the text or the selection
  // differs from `before`, then raises Change when the text changed.
  void after_edit(const EditBuffer& before, bool changed);
  // Scrolls so the caret is in view; returns whether the view moved.
  bool keep_caret_visible();
  void end_composition() { compose({}); }

  EditBuffer buffer_;
  std::string composition_;
  std::string password_char_;
  std::int32_t fore_color_ = static_cast<std::int32_t>(0x80000008);
  std::int32_t back_color_ = static_cast<std::int32_t>(0x80000005);
  std::int32_t max_length_ = 0;
  char16_t pending_high_surrogate_ = 0;  // the first half of a character typed in two KeyPresses
  std::int32_t first_stop_ = 0;
  std::int16_t appearance_ = 1;
  std::int16_t border_style_ = 1;
  bool locked_ = false;
  bool hide_selection_ = true;
  // A left press in the field selects while the button stays down.
  bool dragging_ = false;
  // Where the last left press was, in the field's pixels: a double click
  // selects the word there.
  int last_press_x_ = 0;
  CaretBlink blink_;
};

}  // namespace okit
