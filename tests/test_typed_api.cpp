// The API a C++ program uses: forms loaded by file name, controls found by
// name as their classes, typed properties that go through the same put
// routines as late-bound access, typed event handlers whose by-reference
// arguments reach the control, and run-time errors as exceptions.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "api/opalinekit.h"

namespace okit {
namespace {

class TypedApi : public ::testing::Test {
 protected:
  void SetUp() override {
    app.on_property_changed([this](Element& control, std::string_view property) {
      changed.emplace_back(control.name(), std::string(property));
    });
    form = app.load(OKIT_SOURCE_DIR "/examples/gallery.frm");
    changed.clear();
  }

  // Clicks a screen point inside `control`, `at` pixels from its corner.
  void click(const Element& control, Point at) {
        const Point origin = control.screen_origin();
    desktop.mouse_move({origin.x + at.x, origin.y + at.y});
    desktop.mouse_down(mouse_button::Left);
    desktop.mouse_up(mouse_button::Left);
    desktop.advance(20);
  }

  Application app;
  Desktop& desktop = app.desktop();
  std::shared_ptr<Form> form;
  std::vector<std::pair<std::string, std::string>> changed;
};

TEST_F(TypedApi, LoadingABrokenFileThrowsWithFileAndLine) {
  try {
    app.load(OKIT_SOURCE_DIR "/tests/typed_api_missing.frm");
    FAIL() << "expected FormFileError";
  } catch (const FormFileError& error) {
    EXPECT_EQ(error.error().file, OKIT_SOURCE_DIR "/tests/typed_api_missing.frm");
    EXPECT_NE(std::string(error.what()).find("typed_api_missing.frm:0: "), std::string::npos) << error.what();
  }
}

TEST_F(TypedApi, ControlsAreFoundByNameAsTheirClass) {
  EXPECT_EQ(form->control<cmd_Opaline_Button>("okbutton").name(), "OkButton");
  EXPECT_EQ(form->control<stp_Brook_TabStrip>("Tabs").name(), "Tabs");
  try {
    form->control<cmd_Opaline_Button>("NoSuchButton");
    FAIL();
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::ObjectRequired);
  }
  try {
    form->control<txt_Opaline_opal>("Tabs");
    FAIL();
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::TypeMismatch);
    EXPECT_STREQ(error.what(), "Type mismatch");
  }
}

// A changed Button argument does not reach the button: it read the state
// before raising, so it still shows pressed.
TEST_F(TypedApi, ButtonMouseDownHandlerGetsItsArgumentsByReference) {
  auto& button = form->control<cmd_Opaline_Button>("OkButton");
  std::vector<std::int16_t> seen;
  button.on_MouseDown([&](std::int16_t& pressed, std::int16_t&, float&, float&) {
    seen.push_back(pressed);
    pressed = 0;
  });
  int clicks = 0;
  button.on_Click([&] { ++clicks; });
  const Point origin = button.screen_origin();
  desktop.mouse_move({origin.x + 10, origin.y + 10});
  desktop.mouse_down(mouse_button::Left);
  desktop.advance(20);
  EXPECT_EQ(seen, std::vector<std::int16_t>{mouse_button::Left});
  const auto& left_slice = static_cast<const Image&>(*button.find_child("pic_ButtonBar")->find_child("v1"));
  EXPECT_EQ(left_slice.picture()->source_name(), "c1") << "the button shows pressed";
  desktop.mouse_up(mouse_button::Left);
  EXPECT_EQ(clicks, 1);
}

TEST_F(TypedApi, TextBoxKeyPressHandlerChangesTheTypedCharacter) {
  auto& text = form->control<txt_Opaline_opal>("NameText");
  text.put_Text("");
  text.on_KeyPress([](std::int16_t& key_ascii) {
    if (key_ascii == 'a') key_ascii = 'B';
    if (key_ascii == 'x') key_ascii = 0;  // swallowed
  });
  desktop.set_focus(text);
  for (char c : std::string("axa")) desktop.key_press(static_cast<std::int16_t>(c));
  EXPECT_EQ(text.get_Text(), "BB");
}

TEST_F(TypedApi, CheckBoxPutsReportPropertyChangedAndClicksRaiseChange) {
  auto& check = form->control<chk_Opaline_CheckBox>("ItalicCheck");
  check.put_Caption("Schräg");
  EXPECT_EQ(changed, (std::vector<std::pair<std::string, std::string>>{{"ItalicCheck", "Caption"}}));
  std::vector<std::int32_t> values;
  check.on_Change([&] { values.push_back(check.get_Value()); });
  click(check, {5, 5});
  EXPECT_EQ(values, std::vector<std::int32_t>{chk_Checked});
}

// Input delivered to the desktop hands the error to whoever delivered it
// (the window backend reports it to the application's on_error).
TEST_F(TypedApi, CheckBoxOverflowInAClickIsARuntimeError) {
  auto& check = form->control<chk_Opaline_CheckBox>("ItalicCheck");
  check.put_Value(32767);
  const Point origin = check.screen_origin();
  desktop.mouse_move({origin.x + 5, origin.y + 5});
  desktop.mouse_down(mouse_button::Left);
  try {
    desktop.mouse_up(mouse_button::Left);
    FAIL() << "expected Overflow";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::Overflow);
    EXPECT_STREQ(error.what(), "Overflow");
  }
  EXPECT_EQ(check.get_Value(), 32767);
}

TEST_F(TypedApi, CaptionCloseWindowHandlerCanUnloadItsOwnForm) {
  auto& window = form->control<ctl_Opaline_Form>("Window");
  int closes = 0;
  window.on_CloseWindow([&] {
    ++closes;
    form->Unload();
  });
  const int width = static_cast<int>(window.width_twips() / 15);
  click(window, {width - 10, 10});  // the close button
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form->alive());
  EXPECT_TRUE(desktop.forms().empty());
}

TEST_F(TypedApi, FramePutsGoThroughTheSamePutRoutinesAsLateBoundAccess) {
  auto& frame = form->control<fam_Opaline_Framebordder>("NameFrame");
  frame.put_Caption("Benutzer");
  frame.put_property("Caption", Value("Kennung"));
  EXPECT_EQ(changed, (std::vector<std::pair<std::string, std::string>>{{"NameFrame", "Caption"},
                                                                        {"NameFrame", "Caption"}}));
  EXPECT_EQ(frame.get_Caption(), "Kennung");
}

TEST_F(TypedApi, TabStripSizeErrorsAreRuntimeErrors) {
  auto& tabs = form->control<stp_Brook_TabStrip>("Tabs");
  try {
    tabs.put_Width(-1);
    FAIL();
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::InvalidPropertyValue);
  }
  try {
    tabs.get_property("Selected");
    FAIL();
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::NoSuchMember);
  }
}

}  // namespace
}  // namespace okit
