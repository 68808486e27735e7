// What each control says about itself through describe(): the states a
// screen reader needs beyond the semantic tree's line (checked, mixed,
// selected, password, read-only), the tab strip's tabs as parts, and the
// states a control only inherits (disabled inside a disabled frame).

#include <gtest/gtest.h>

#include "app/silent_application.h"
#include "controls/button/cmd_Opaline_Button.h"
#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "host/desktop.h"
#include "host/form.h"
#include "host/place_control.h"

namespace okit {
namespace {

const std::string kSourceDir = OKIT_SOURCE_DIR;

class Descriptions : public ::testing::Test {
 protected:
  std::shared_ptr<Form> gallery() { return Form::load(quiet.desktop(), kSourceDir + "/examples/gallery.frm"); }

  void click_at(const Element& control, Point at) {
    const Point origin = control.screen_origin();
    quiet.desktop().mouse_move({origin.x + at.x, origin.y + at.y});
    quiet.desktop().mouse_down(mouse_button::Left);
    quiet.desktop().mouse_up(mouse_button::Left);
  }

  QuietDesktop quiet;
};

TEST_F(Descriptions, CheckBoxSaysCheckedOrMixedAsStateAndAsAWordValue) {
  const auto form = gallery();
  auto& box = form->control<chk_Opaline_CheckBox>("ItalicCheck");
  struct Case {
    std::int32_t value;
    const char* word;
    bool checked, mixed;
  };
  for (const Case& c : {Case{chk_Checked, "checked", true, false}, Case{chk_Inactive, "mixed", false, true},
                        Case{chk_None, "unchecked", false, false}, Case{7, "7", false, false}}) {
    box.put_Value(c.value);
    const Description d = box.describe();
    EXPECT_EQ(d.role, "checkbox");
    EXPECT_EQ(d.name, "Kursiv");
    EXPECT_EQ(d.value, c.word);
    EXPECT_FALSE(d.value_is_text);
    EXPECT_EQ(d.states.checked, c.checked) << c.word;
    EXPECT_EQ(d.states.mixed, c.mixed) << c.word;
  }
}

TEST_F(Descriptions, ButtonIsPressedOnlyWhileHeldDown) {
  const auto form = gallery();
  auto ok = form->find_control("OkButton");
  EXPECT_FALSE(ok->describe().states.pressed);
  const Point origin = ok->screen_origin();
  quiet.desktop().mouse_move({origin.x + 10, origin.y + 10});
  quiet.desktop().mouse_down(mouse_button::Left);
  quiet.desktop().advance(20);
  const Description held = ok->describe();
  EXPECT_EQ(held.role, "button");
  EXPECT_EQ(held.name, "OK");  // the access-key marker is not part of the name
  EXPECT_TRUE(held.states.pressed);
  EXPECT_TRUE(held.states.focused);
  quiet.desktop().mouse_up(mouse_button::Left);
  quiet.desktop().advance(20);
  EXPECT_FALSE(ok->describe().states.pressed);
}

TEST_F(Descriptions, TabStripListsItsTabsAndFollowsAClickOnTheSecond) {
  const auto form = gallery();
  auto tabs = form->find_control("Tabs");
  Description strip = tabs->describe();
  ASSERT_EQ(strip.children.size(), 2u);
  EXPECT_EQ(strip.children[0].role, "tab");
  EXPECT_EQ(strip.children[0].name, "Caption1");
  EXPECT_TRUE(strip.children[0].states.selected);
  EXPECT_FALSE(strip.children[1].states.selected);
  EXPECT_EQ(strip.value, "Caption1");

  click_at(*tabs, {300, 20});  // on the second tab
  strip = tabs->describe();
  EXPECT_FALSE(strip.children[0].states.selected);
  EXPECT_TRUE(strip.children[1].states.selected);
  EXPECT_EQ(strip.value, "Caption2");
}

TEST_F(Descriptions, SelectingATabThroughItsActionDoesWhatAClickDoes) {
  const auto form = gallery();
  auto tabs = form->find_control("Tabs");
  const Description strip = tabs->describe();
  const DescribedAction* select = strip.children[1].find_action("select");
  ASSERT_NE(select, nullptr);
  select->perform();
  EXPECT_EQ(tabs->describe().value, "Caption2");

  // An action kept after its control is gone does nothing.
  const DescribedAction kept = *tabs->describe().children[0].find_action("select");
  quiet.desktop().unload(*form);
  kept.perform();
}

TEST_F(Descriptions, ButtonAndCheckBoxActionsDoWhatTheKeyboardDoes) {
  const auto form = gallery();
  auto& ok = form->control<cmd_Opaline_Button>("OkButton");
  int clicks = 0;
  ok.on_Click([&] { ++clicks; });
  const Description button = ok.describe();
  button.find_action("press")->perform();
  EXPECT_EQ(clicks, 1);

  auto& box = form->control<chk_Opaline_CheckBox>("ItalicCheck");
  ASSERT_EQ(box.get_Value(), chk_None);
  const Description check = box.describe();
  check.find_action("toggle")->perform();
  EXPECT_EQ(box.get_Value(), chk_Checked);
}

TEST_F(Descriptions, ControlsInsideADisabledFrameAreDisabledThoughTheirOwnEnabledHolds) {
  const auto form = Form::load(quiet.desktop(), kSourceDir + "/tests/tree/disabled_frame.frm");
  EXPECT_TRUE(form->find_control("Outer")->describe().states.disabled);
  auto inner = form->find_control("StillEnabled");
  EXPECT_EQ(inner->get_property("Enabled"), Value::boolean(true));
  EXPECT_TRUE(inner->describe().states.disabled);
}

TEST_F(Descriptions, PasswordTextBoxGivesItsMaskAndSaysReadOnlyWhileLocked) {
  auto form = Form::create(quiet.desktop(), "Login");
  auto box = place_control(*form, *form, "txt_Opaline_opal", "Secret", {8, 8});
  box->put_property("Text", Value("hunter2"));
  box->put_property("PasswordChar", Value("*"));
  Description d = box->describe();
  EXPECT_EQ(d.role, "textbox");
  EXPECT_EQ(d.name, "Secret");  // a text box is named by its control name, never by its text
  EXPECT_EQ(d.value, "*******");
  EXPECT_TRUE(d.value_is_text);
  EXPECT_TRUE(d.states.password);
  EXPECT_FALSE(d.states.read_only);
  box->put_property("Locked", Value::boolean(true));
  EXPECT_TRUE(box->describe().states.read_only);
}

TEST_F(Descriptions, WindowAndFrameNameThemselvesByTheirCaptions) {
  const auto form = gallery();
  const Description window = form->find_control("Window")->describe();
  EXPECT_EQ(window.role, "window");
  EXPECT_EQ(window.name, "OpalineKit gallery");
  EXPECT_TRUE(window.states.active);
  const Description frame = form->find_control("FontFrame")->describe();
  EXPECT_EQ(frame.role, "group");
  EXPECT_EQ(frame.name, "Schrift");
}

TEST_F(Descriptions, HostKindsSayWhatTheyAreAndATimerSaysNothing) {
  auto form = Form::create(quiet.desktop(), "Kinds");
  EXPECT_EQ(place_control(*form, *form, "Label", "Note", {0, 0})->describe().role, "label");
  EXPECT_EQ(place_control(*form, *form, "CommandButton", "Go", {0, 30})->describe().role, "button");
  EXPECT_EQ(place_control(*form, *form, "Timer", "Tick", {0, 60})->describe().role, "");
  const Description field = place_control(*form, *form, "TextBox", "Field", {0, 90})->describe();
  EXPECT_EQ(field.role, "textbox");
  EXPECT_EQ(field.value, "Field");  // a designer starts a field's text as its name
}

}  // namespace
}  // namespace okit
