// The keyboard behaviour of the windowed element kinds: the edit field and
// the push button, driven the way the desktop drives the focused element.

#include <gtest/gtest.h>

#include "event_recorder.h"
#include "host/elements/command_button.h"
#include "host/elements/text_box.h"
#include "host_testing.h"

namespace okit {
namespace {

using testing::EventRecorder;
using testing::raised_error;
using Events = std::vector<std::string>;

constexpr std::int16_t kShift = 1;

void press_key(Element& e, std::int16_t key_code, std::int16_t shift = 0) {
  e.key_down(key_code, shift);
  e.key_up(key_code, shift);
}

void type(Element& e, std::string_view text) {
  for (char c : text) {
    std::int16_t key_ascii = static_cast<unsigned char>(c);
    e.key_press(key_ascii);
  }
}

void back(Element& e) {
  std::int16_t key_ascii = 8;
  e.key_press(key_ascii);
}

class TextBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { field->set_sink(&recorder); }
  // Events other than the key events every keystroke raises.
  Events changes() {
    Events out;
    for (auto& e : recorder.take())
      if (e == "Change") out.push_back(e);
    return out;
  }
  std::shared_ptr<TextBox> field = std::make_shared<TextBox>("txt_text");
  EventRecorder recorder;
};

TEST_F(TextBoxTest, ChangeIsRaisedOncePerRealChangeFromCode) {
  field->put_Text("Kleiner fuchs");
  EXPECT_EQ(recorder.take(), Events{"Change"});
  field->put_Text("Kleiner fuchs");
  EXPECT_EQ(recorder.take(), Events{}) << "the same text is no change";

  field->put_SelStart(8);
  field->put_SelLength(5);
  field->put_SelText("fuchs");
  EXPECT_EQ(recorder.take(), Events{}) << "replacing a selection with itself changes nothing";
  EXPECT_EQ(field->SelStart(), 13) << "the caret ends after the inserted text";
  field->put_SelStart(8);
  field->put_SelLength(5);
  field->put_SelText("Fuchs");
  EXPECT_EQ(field->Text(), "Kleiner Fuchs");
  EXPECT_EQ(field->SelLength(), 0);
  EXPECT_EQ(recorder.take(), Events{"Change"});

  field->put_property("SelText", Value(""));
  EXPECT_EQ(recorder.take(), Events{});
}

TEST_F(TextBoxTest, AssigningTextResetsTheSelection) {
  field->put_Text("abcdef");
  field->put_SelStart(2);
  field->put_SelLength(3);
  field->put_Text("abcdef");
  EXPECT_EQ(field->SelStart(), 0);
  EXPECT_EQ(field->SelLength(), 0);
}

TEST_F(TextBoxTest, SelectionIsClampedToTheTextAndCountsCharacters) {
  field->put_Text("Grüße");
  field->put_SelStart(99);
  EXPECT_EQ(field->SelStart(), 5);
  field->put_SelStart(2);
  field->put_SelLength(99);
  EXPECT_EQ(field->SelLength(), 3);
  EXPECT_EQ(field->SelText(), "üße");

  EXPECT_EQ(raised_error([&] { field->put_property("SelStart", Value(std::int16_t{-1})); }), 380);
  EXPECT_EQ(raised_error([&] { field->put_property("SelLength", Value(std::int16_t{-1})); }), 380);
  EXPECT_EQ(field->SelStart(), 2) << "refused values leave the selection alone";
  EXPECT_EQ(field->SelLength(), 3);
}

TEST_F(TextBoxTest, TypingReplacesTheSelection) {
  field->put_Text("hello");
  recorder.take();
  field->put_SelStart(1);
  field->put_SelLength(3);
  type(*field, "a");
  EXPECT_EQ(field->Text(), "hao");
  EXPECT_EQ(field->SelStart(), 2);
  EXPECT_EQ(changes(), Events{"Change"});

  type(*field, "xy");
  EXPECT_EQ(field->Text(), "haxyo");
  EXPECT_EQ(changes(), (Events{"Change", "Change"}));

  std::int16_t enter = 13;
  field->key_press(enter);
  EXPECT_EQ(field->Text(), "haxyo") << "Enter types nothing into a single-line field";
}

TEST_F(TextBoxTest, BackDeletesBeforeTheCaretAndNothingAtTheStart) {
  field->put_Text("abc");
  recorder.take();
  back(*field);
  EXPECT_EQ(field->Text(), "abc");
  EXPECT_EQ(changes(), Events{});

  field->put_SelStart(3);
  back(*field);
  EXPECT_EQ(field->Text(), "ab");
  field->put_SelStart(0);
  field->put_SelLength(2);
  back(*field);
  EXPECT_EQ(field->Text(), "");
  EXPECT_EQ(changes(), (Events{"Change", "Change"}));
}

TEST_F(TextBoxTest, CaretKeysMoveAndExtendTheSelection) {
  field->put_Text("abcd");
  recorder.take();
  press_key(*field, 35);  // End
  press_key(*field, 37, kShift);  // Shift+Left
  press_key(*field, 37, kShift);
  EXPECT_EQ(field->SelText(), "cd");
  press_key(*field, 36);  // Home
  EXPECT_EQ(field->SelLength(), 0);
  press_key(*field, 37);
  EXPECT_EQ(field->SelStart(), 0) << "the caret stops at the start";
  press_key(*field, 39, kShift);  // Shift+Right
  press_key(*field, 46);          // Delete
  EXPECT_EQ(field->Text(), "bcd");
  press_key(*field, 35);
  press_key(*field, 46);
  EXPECT_EQ(field->Text(), "bcd") << "Delete at the end deletes nothing";
  EXPECT_EQ(changes(), Events{"Change"});
}

TEST_F(TextBoxTest, LockedFieldsRefuseEditsButNotCaretMoves) {
  field->put_Text("abc");
  field->put_Locked(true);
  recorder.take();
  type(*field, "x");
  back(*field);
  press_key(*field, 36);
  press_key(*field, 46);
  EXPECT_EQ(field->Text(), "abc");
  press_key(*field, 39, kShift);
  EXPECT_EQ(field->SelText(), "a");
  EXPECT_EQ(changes(), Events{});
  field->put_Text("code may still change it");
  EXPECT_EQ(changes(), Events{"Change"});
}

TEST_F(TextBoxTest, TheKeyPressHandlerCanChangeOrCancelTheCharacter) {
  recorder.handler = [](std::string_view event, std::span<Value> args) {
    if (event != "KeyPress") return;
    if (args[0].to_integer() == 'x') args[0] = Value(std::int16_t{0});
    if (args[0].to_integer() == 'a') args[0] = Value(std::int16_t{'A'});
  };
  type(*field, "xab");
  EXPECT_EQ(field->Text(), "Ab");
  EXPECT_EQ(recorder.take(), (Events{"KeyPress", "KeyPress", "Change", "KeyPress", "Change"}));
}

TEST_F(TextBoxTest, MaxLengthLimitsTypingUnlessASelectionIsReplaced) {
  field->put_MaxLength(3);
  type(*field, "abcd");
  EXPECT_EQ(field->Text(), "abc");
  field->put_SelStart(1);
  field->put_SelLength(1);
  type(*field, "X");
  EXPECT_EQ(field->Text(), "aXc");
  EXPECT_EQ(raised_error([&] { field->put_MaxLength(-1); }), 380);
}

TEST_F(TextBoxTest, PasswordCharIsEmptyOrOneCharacter) {
  field->put_Text("secret");
  field->put_PasswordChar("*");
  EXPECT_EQ(field->display_text(), "******");
  field->put_PasswordChar("•");  // one character, three bytes
  EXPECT_EQ(field->display_text(), "••••••");
  EXPECT_EQ(raised_error([&] { field->put_property("PasswordChar", Value("**")); }), 380);
  EXPECT_EQ(field->PasswordChar(), "•");
  field->put_PasswordChar("");
  EXPECT_EQ(field->display_text(), "secret");
}

TEST_F(TextBoxTest, PropertyRulesOfTheTable) {
  EXPECT_EQ(field->get_property("HideSelection"), Value::boolean(true));
  EXPECT_EQ(raised_error([&] { field->put_property("HideSelection", Value::boolean(false)); }), 383);
  EXPECT_EQ(raised_error([&] { field->put_property("Appearance", Value(std::int16_t{2})); }), 380);
  EXPECT_EQ(field->get_property("ForeColor"), Value(static_cast<std::int32_t>(0x80000008)));
  EXPECT_EQ(field->get_property("BackColor"), Value(static_cast<std::int32_t>(0x80000005)));
  EXPECT_TRUE(field->can_take_focus());
}

class CommandButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { button->set_sink(&recorder); }
  std::shared_ptr<CommandButton> button = std::make_shared<CommandButton>("cmd_HotKey");
  EventRecorder recorder;
};

TEST_F(CommandButtonTest, SpaceClicksOnReleaseOnceHoweverLongItIsHeld) {
  std::int16_t space = 32, shift = 0;
  button->key_down(space, shift);
  button->key_down(space, shift);  // auto-repeat
  EXPECT_EQ(recorder.take(), (Events{"KeyDown", "KeyDown"}));
  button->key_up(space, shift);
  EXPECT_EQ(recorder.take(), (Events{"KeyUp", "Click"}));

  button->key_up(space, shift);
  EXPECT_EQ(recorder.take(), Events{"KeyUp"}) << "a release without a press is no click";
}

TEST_F(CommandButtonTest, EnterClicksAtOnceAndOtherKeysDoNot) {
  press_key(*button, 13);
  EXPECT_EQ(recorder.take(), (Events{"KeyDown", "Click", "KeyUp"}));
  press_key(*button, 65);
  EXPECT_EQ(recorder.take(), (Events{"KeyDown", "KeyUp"}));
}

TEST_F(CommandButtonTest, HandlersThatSwallowTheKeyCancelTheClick) {
  recorder.handler = [](std::string_view event, std::span<Value> args) {
    if (event == "KeyDown" || event == "KeyUp") args[0] = Value(std::int16_t{0});
  };
  press_key(*button, 13);
  press_key(*button, 32);
  EXPECT_EQ(recorder.take(), (Events{"KeyDown", "KeyUp", "KeyDown", "KeyUp"}));

  recorder.handler = nullptr;
  press_key(*button, 32);
  EXPECT_EQ(recorder.take(), (Events{"KeyDown", "KeyUp", "Click"}));
}

TEST_F(CommandButtonTest, TheAccessKeyComesFromTheCaptionAndClicks) {
  button->put_Caption("Save &As");
  EXPECT_EQ(button->access_key(), 'a');
  button->activate_access_key();
  EXPECT_EQ(recorder.take(), Events{"Click"});
}

}  // namespace
}  // namespace okit
