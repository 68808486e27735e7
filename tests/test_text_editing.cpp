// The edit field's building blocks: word boundaries, character positions in
// pixels and the sideways scrolling that keeps the caret in view, then the
// field's own scrolling, mouse hits and caret blinking on a live desktop,
// where a scenario cannot look.

#include <gtest/gtest.h>

#include "host/desktop.h"
#include "host/elements/clipboard.h"
#include "host/elements/text_box.h"
#include "host/elements/text_ruler.h"
#include "host/elements/word_boundaries.h"
#include "host/font.h"
#include "paint_testing.h"
#include "controls_desktop.h"

namespace okit {
namespace {

using words::code_points;
using WordRun = words::Run;

TEST(WordBoundaries, CtrlArrowsStopAtWordStartsAcrossBlanksAndPunctuation) {
  const std::u32string text = code_points("  hello,  world_2 ");
  //                                       0123456789012345678
  EXPECT_EQ(words::next_word_start(text, 0), 2) << "leading blanks are skipped";
  EXPECT_EQ(words::next_word_start(text, 2), 7) << "the comma is a stop of its own";
  EXPECT_EQ(words::next_word_start(text, 4), 7) << "from inside a word";
  EXPECT_EQ(words::next_word_start(text, 7), 10) << "past the comma and the blanks";
  EXPECT_EQ(words::next_word_start(text, 10), 18) << "the underscore and digit belong to the word";
  EXPECT_EQ(words::next_word_start(text, 18), 18);

  EXPECT_EQ(words::previous_word_start(text, 18), 10);
  EXPECT_EQ(words::previous_word_start(text, 10), 7);
  EXPECT_EQ(words::previous_word_start(text, 7), 2);
  EXPECT_EQ(words::previous_word_start(text, 5), 2) << "from inside a word: its own start";
  EXPECT_EQ(words::previous_word_start(text, 2), 0);
  EXPECT_EQ(words::previous_word_start(text, 99), 10) << "positions are clamped to the text";
}

TEST(WordBoundaries, RunsCountCharactersAndKeepAccentedWordsWhole) {
  const std::u32string text = code_points("Grüße, Welt\u00A0da");
  EXPECT_EQ(text.size(), 14u);
  EXPECT_EQ(words::run_at(text, 2), (WordRun{0, 5})) << "ü and ß are word characters";
  EXPECT_EQ(words::run_at(text, 5), (WordRun{5, 6}));
  EXPECT_EQ(words::run_at(text, 6), (WordRun{6, 7})) << "a double click on a blank selects the blanks";
  EXPECT_EQ(words::run_at(text, 11), (WordRun{11, 12})) << "the no-break space separates words";
  EXPECT_EQ(words::run_at(text, 40), (WordRun{12, 14})) << "past the end: the last run";
  EXPECT_EQ(words::run_at(code_points(""), 0), (WordRun{0, 0}));
  EXPECT_EQ(words::next_word_start(text, 7), 12);
}

// A left-to-right line in a font with 2-pixel i's, 6-pixel ASCII and
// 8-pixel other characters.
TextRuler fake_ruler(std::string_view text) {
  std::vector<CharacterSpan> spans;
  int pen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;
    const int width = byte == 'i' ? 2 : (byte < 0x80 ? 6 : 8);
    spans.push_back({pen, pen + width, false});
    pen += width;
  }
  return TextRuler(std::move(spans));
}

TEST(TextRuler, BoundariesAreRunningSumsOfCharacterWidths) {
  const TextRuler ruler = fake_ruler("aiäb");
  EXPECT_EQ(ruler.length(), 4);
  EXPECT_EQ(ruler.x_of(0), 0);
  EXPECT_EQ(ruler.x_of(2), 8);
  EXPECT_EQ(ruler.x_of(4), 22);
  EXPECT_EQ(ruler.x_of(9), 22);

  EXPECT_EQ(ruler.boundary_nearest(-5), 0);
  EXPECT_EQ(ruler.boundary_nearest(2), 0) << "left half of the a";
  EXPECT_EQ(ruler.boundary_nearest(3), 1) << "the middle goes right";
  EXPECT_EQ(ruler.boundary_nearest(11), 2) << "left half of the ä";
  EXPECT_EQ(ruler.boundary_nearest(13), 3);
  EXPECT_EQ(ruler.boundary_nearest(100), 4);

  EXPECT_EQ(ruler.character_at(-1), 0);
  EXPECT_EQ(ruler.character_at(7), 1);
  EXPECT_EQ(ruler.character_at(8), 2);
  EXPECT_EQ(ruler.character_at(100), 3);
  EXPECT_EQ(fake_ruler("").character_at(10), 0);
}

TEST(TextRuler, ScrollingMovesAsLittleAsNeededAndComesBackWhenTextShrinks) {
  const TextRuler ruler = fake_ruler("abcdefghjk");  // ten 6-pixel characters, 60 pixels
  EXPECT_EQ(scrolled_to_caret(ruler, 0, 10, 100), 0) << "everything fits";
  // 31 pixels show the caret at column 30 at most: five characters before it.
  EXPECT_EQ(scrolled_to_caret(ruler, 0, 5, 31), 0);
  EXPECT_EQ(scrolled_to_caret(ruler, 0, 6, 31), 1);
  EXPECT_EQ(scrolled_to_caret(ruler, 0, 10, 31), 5);
  EXPECT_EQ(scrolled_to_caret(ruler, 5, 7, 31), 5) << "a caret in view moves nothing";
  EXPECT_EQ(scrolled_to_caret(ruler, 5, 3, 31), 3) << "left of the view: it starts at the caret";

  const TextRuler shorter = fake_ruler("abcdefg");  // the end was deleted
  EXPECT_EQ(scrolled_to_caret(shorter, 5, 7, 31), 2) << "the view comes back so the text fills it";
  EXPECT_EQ(scrolled_to_caret(ruler, 4, 6, 0), 6) << "no room: the caret itself is first";
}

// ---- The field on a live desktop -------------------------------------------------

class EditFieldOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = desktop.create_form("frm");
    form->set_bounds_twips(0, 0, 300 * 15, 100 * 15);
    desktop.activate(form.get());
    // A 3D field 60 pixels wide: 2 pixels of border and 1 of inset each side.
    field = testing::place<TextBox>(*form, "txt", {10, 10, 70, 31});
    other = testing::place<TextBox>(*form, "other", {10, 40, 70, 61});
  }
  testing::ControlsDesktop desktop;
  std::shared_ptr<Form> form;
  std::shared_ptr<TextBox> field, other;

  void key(std::int16_t code, std::int16_t shift = 0) {
    field->key_down(code, shift);
    field->key_up(code, shift);
  }
  void press_at(int x) {
    Value args[] = {std::int16_t{1}, std::int16_t{0}, static_cast<float>(x * 15), 150.0f};
    field->mouse_input("MouseDown", args);
  }
  static int width(std::string_view text) { return default_font().text_width(text, false); }
};

TEST_F(EditFieldOnForm, TheViewFollowsTheCaretThroughALongText) {
  const std::string text = "The quick brown fox jumps over the lazy dog";
  field->put_Text(text);
  EXPECT_EQ(field->text_left(), 3);
  EXPECT_EQ(field->text_room(), 54);
  key(35);  // End
  const TextRuler ruler = field->ruler();
  const int caret_column = ruler.x_of(field->buffer().caret()) - ruler.stop(field->first_visible_stop());
  EXPECT_GT(field->first_visible_stop(), 0);
  EXPECT_LT(caret_column, field->text_room());
  EXPECT_GE(ruler.x_of(ruler.length()) - ruler.stop(field->first_visible_stop() - 1), field->text_room())
      << "scrolled no further than needed";
  key(36);  // Home
  EXPECT_EQ(field->first_visible_stop(), 0);

  field->put_Width(600 * 15);
  key(35);
  EXPECT_EQ(field->first_visible_stop(), 0) << "a wide field shows it all";
}

TEST_F(EditFieldOnForm, APressPlacesTheCaretByTheFontsCharacterWidths) {
  field->put_Text("Wim");
  const int after_w = 3 + width("W");
  press_at(after_w - 1);
  EXPECT_EQ(field->SelStart(), 1) << "the right half of the W";
  press_at(3 + width("Wi") + 1);
  EXPECT_EQ(field->SelStart(), 2) << "the left half of the m";
  press_at(65);
  EXPECT_EQ(field->SelStart(), 3);

  Value shift_press[] = {std::int16_t{1}, std::int16_t{1}, 15.0f, 150.0f};
  field->mouse_input("MouseDown", shift_press);
  EXPECT_EQ(field->SelText(), "Wim") << "Shift+press extends from the caret";
}

TEST_F(EditFieldOnForm, TheCaretBlinksOnlyWithTheKeyboardFocusOfTheActiveForm) {
    EXPECT_FALSE(field->caret_visible());
  EXPECT_LT(desktop.timers().next_due(), 0) << "an unfocused field costs no wakeups";

  desktop.set_focus(*field);
  EXPECT_TRUE(field->caret_visible());
  desktop.advance(CaretBlink::kHalfPeriodMs);
  EXPECT_FALSE(field->caret_visible());
  desktop.advance(CaretBlink::kHalfPeriodMs);
  EXPECT_TRUE(field->caret_visible());
  desktop.advance(CaretBlink::kHalfPeriodMs - 10);
  std::int16_t x = 'x';
  field->key_press(x);
  desktop.advance(20);
  EXPECT_TRUE(field->caret_visible()) << "typing starts a whole visible phase";

  desktop.activate(nullptr);
  EXPECT_FALSE(field->caret_visible());
  EXPECT_LT(desktop.timers().next_due(), 0) << "an inactive form costs no wakeups";
  desktop.activate(form.get());
  EXPECT_TRUE(field->caret_visible()) << "the form gives the focus back, and the caret with it";

  desktop.set_focus(*other);
  EXPECT_FALSE(field->caret_visible());
  EXPECT_TRUE(other->caret_visible());
  other->destroy();
  EXPECT_LT(desktop.timers().next_due(), 0) << "a destroyed field stops its caret";
}

TEST_F(EditFieldOnForm, TheSelectionShowsWithTheKeyboardFocusUnlessHideSelectionIsOff) {
  field->put_Text("select me");
  field->put_SelLength(6);
  EXPECT_FALSE(field->shows_selection());
  desktop.set_focus(*field);
  EXPECT_TRUE(field->shows_selection());
  desktop.activate(nullptr);
  EXPECT_FALSE(field->shows_selection()) << "an inactive window's field hides it too";
  field->set_hide_selection(false);
  EXPECT_TRUE(field->shows_selection());
}

TEST_F(EditFieldOnForm, PasteTakesTheFirstLineWithinMaxLength) {
  desktop.clipboard().set_text("abc\r\nsecond line");
  field->put_Text("");
  std::int16_t ctrl_v = 22;
  field->key_press(ctrl_v);
  EXPECT_EQ(field->Text(), "abc");
  field->put_MaxLength(5);
  field->key_press(ctrl_v);
  EXPECT_EQ(field->Text(), "abcab") << "cut to what MaxLength leaves room for";
  field->key_press(ctrl_v);
  EXPECT_EQ(field->Text(), "abcab");
}

TEST(Clipboard, ABackendCanInstallItsOwnAndTakeItBack) {
  struct Recording : Clipboard {
    std::string text() const override { return "from the system"; }
    void set_text(std::string) override {}
  };
  testing::ControlsDesktop desktop;
  desktop.clipboard().set_text("kept");
  desktop.install_clipboard(std::make_unique<Recording>());
  EXPECT_EQ(desktop.clipboard().text(), "from the system");
  desktop.install_clipboard(nullptr);
  EXPECT_EQ(desktop.clipboard().text(), "") << "a fresh in-process clipboard";
}

}  // namespace
}  // namespace okit
