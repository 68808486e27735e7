// Design mode: a form being designed takes no input itself. Clicks and keys
// reach the designer's hook, so a button is selected rather than pressed, and
// the live controls raise nothing until design mode ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "api/opalinekit.h"
#include "host/place_control.h"

namespace okit {
namespace {

using Kind = Desktop::DesignInput::Kind;

class DesignMode : public ::testing::Test {
 protected:
  void SetUp() override {
    app.on_any_event([this](Element& control, std::string_view event, std::span<Value>) {
      events.push_back(control.name() + "." + std::string(event));
    });
    form = app.load(OKIT_SOURCE_DIR "/examples/gallery.frm");
    events.clear();
  }

  void design() {
    desktop.set_design_hook(*form, [this](Form&, const Desktop::DesignInput& input) {
      Element* control = input.target ? control_holding(input.target) : nullptr;
      seen.push_back({input.kind, control ? control->name() : "", input.button_or_key});
    });
  }

  void click(const Element& control) {
        const Point origin = control.screen_origin();
    desktop.mouse_move({origin.x + 5, origin.y + 5});
    desktop.mouse_down(mouse_button::Left);
    desktop.mouse_up(mouse_button::Left);
    desktop.advance(20);
  }

  struct Seen {
    Kind kind;
    std::string control;
    std::int16_t button_or_key;
    bool operator==(const Seen&) const = default;
  };

  Application app;
  Desktop& desktop = app.desktop();
  std::shared_ptr<Form> form;
  std::vector<std::string> events;
  std::vector<Seen> seen;
};

TEST_F(DesignMode, AClickOnAControlReachesTheHookAndRaisesNothing) {
  design();
  click(form->control<cmd_Opaline_Button>("OkButton"));
  const std::vector<Seen> expected = {{Kind::MouseMove, "OkButton", 0},
                                      {Kind::MouseDown, "OkButton", mouse_button::Left},
                                      {Kind::MouseUp, "OkButton", mouse_button::Left}};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(events.empty()) << events.front();
}

TEST_F(DesignMode, ADragKeepsReachingTheHookOutsideTheForm) {
  design();
    const Point origin = form->control<cmd_Opaline_Button>("OkButton").screen_origin();
  desktop.mouse_move({origin.x + 5, origin.y + 5});
  desktop.mouse_down(mouse_button::Left);
  desktop.mouse_move({-500, -500});
  desktop.mouse_up(mouse_button::Left);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[2], (Seen{Kind::MouseMove, "", mouse_button::Left}));
  EXPECT_EQ(seen[3].kind, Kind::MouseUp);
  EXPECT_TRUE(events.empty());
}

TEST_F(DesignMode, DesignModeTakesTheFocusAndKeysGoToTheHook) {
  auto& box = form->control<txt_Opaline_opal>("NameText");
  desktop.set_focus(box);
  design();
  EXPECT_EQ(form->focused(), nullptr);  // no control shows the focused look
  events.clear();
    desktop.key_down(46, shift_mask::Ctrl);
  desktop.key_press('x');
  desktop.key_up(46, shift_mask::Ctrl);
  EXPECT_EQ(seen, (std::vector<Seen>{{Kind::KeyDown, "", 46}}));
  EXPECT_TRUE(events.empty()) << events.front();
}

TEST_F(DesignMode, AnEmptyHookGivesTheControlsTheirInputBack) {
  design();
  desktop.set_design_hook(*form, nullptr);
  EXPECT_FALSE(desktop.in_design_mode(form.get()));
  click(form->control<cmd_Opaline_Button>("OkButton"));
  EXPECT_TRUE(seen.empty());
  EXPECT_NE(std::find(events.begin(), events.end(), "OkButton.Click"), events.end());
}

// A form being designed does not run: its timers (the controls' hover
// polling among them) raise nothing until design mode ends.
TEST_F(DesignMode, TimersOfAFormBeingDesignedRaiseNothing) {
  auto timer = place_control(*form, *form, "Timer", "Tick", {0, 0});
  timer->put_property("Interval", Value(std::int32_t{10}));
  design();
  desktop.advance(100);
  EXPECT_EQ(std::count(events.begin(), events.end(), "Tick.Timer"), 0);
  desktop.set_design_hook(*form, nullptr);
  desktop.advance(100);
  EXPECT_GT(std::count(events.begin(), events.end(), "Tick.Timer"), 0);
}

TEST_F(DesignMode, AClosedWindowGoesUnlessItsGuardKeepsIt) {
    int asked = 0;
  bool may_close = false;
  form->set_close_guard([&] {
    ++asked;
    return may_close;
  });
  desktop.close_by_user(*form);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(form->alive());
  may_close = true;
  desktop.close_by_user(*form);
  EXPECT_FALSE(form->alive());

  auto plain = app.create_form("Plain");
  desktop.close_by_user(*plain);
  EXPECT_FALSE(plain->alive());
}

TEST_F(DesignMode, AToolsWindowTitleIsNotTheFormsCaption) {
  EXPECT_EQ(form->window_title(), form->caption());
  form->set_window_title("Gallery - okit design *");
  EXPECT_EQ(form->window_title(), "Gallery - okit design *");
  EXPECT_NE(form->caption(), form->window_title());
  EXPECT_EQ(form->get_property("Caption").to_string(), form->caption());
}

}  // namespace
}  // namespace okit
