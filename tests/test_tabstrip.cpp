// The tab strip's picture copies pump pending messages after each
// assignment, which a scenario cannot observe (it pumps after every
// command anyway): a posted message runs in the middle of a selection, and a
// selection whose form is unloaded by such a message stops there.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/form.h"
#include "host/user_control.h"
#include "library/class_registry.h"

namespace okit {
namespace {

constexpr int kTwips = 15;
// Screen points on each tab's picture, clear of the other tab (the strip
// lies at the screen's corner).
constexpr Point kTab1{100, 28};
constexpr Point kTab2{300, 20};

class TabStripPumping : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.reset();
    form = desktop.create_form("Main");
    form->place_twips(0, 0, 600 * kTwips, 400 * kTwips);
    desktop.activate(form.get());
    strip = std::dynamic_pointer_cast<UserControl>(class_registry().create("stp_Brook_TabStrip"));
    strip->set_name("Tab1");
    strip->set_role(ElementRole::Control);
    form->add_child(strip);
    strip->notify_resized();
  }
  void TearDown() override { desktop.reset(); }

  Image& tab(const char* name) const { return static_cast<Image&>(*strip->find_child(name)); }
  // Which picture each tab shows and how high it stands, e.g. "on@0 off@15".
  std::string tabs() const {
    const auto describe = [](const Image& image) {
      return image.picture()->source_name() + "@" + std::to_string(static_cast<int>(image.Top()));
    };
    return describe(tab("img_caption1")) + " " + describe(tab("img_caption2"));
  }
  void click(Point where) {
    desktop.forget_last_press();
    desktop.mouse_move(where);
    desktop.mouse_down(mouse_button::Left);
    desktop.mouse_up(mouse_button::Left);
  }

  Desktop& desktop = Desktop::current();
  std::shared_ptr<Form> form;
  std::shared_ptr<UserControl> strip;
};

TEST_F(TabStripPumping, MessagesRunAfterEachAssignedPicture) {
  std::vector<std::string> seen;
  const auto record = [&] { seen.push_back(tabs()); };

  // Selecting tab 2 from the layout's state: the first copy pumps with
  // tab 1 already switched to the off-picture, before tab 2 is switched and
  // before the tabs move.
  desktop.post(record);
  click(kTab2);
  EXPECT_EQ(seen, (std::vector<std::string>{"off@0 off@0"}));
  EXPECT_EQ(tabs(), "off@15 on@0");

  // Selecting the selected tab assigns nothing, so nothing is pumped.
  seen.clear();
  desktop.post(record);
  click(kTab2);
  EXPECT_TRUE(seen.empty());
  desktop.do_events();
  EXPECT_EQ(seen, (std::vector<std::string>{"off@15 on@0"}));

  // When only tab 2's picture differs, the second copy pumps, again before
  // the tabs move.
  seen.clear();
  click(kTab1);
  tab("img_caption1").set_picture(tab("img_off").picture());
  desktop.post(record);
  click(kTab2);
  EXPECT_EQ(seen, (std::vector<std::string>{"off@0 on@15"}));
}

TEST_F(TabStripPumping, UnloadingTheFormInTheMiddleEndsTheSelection) {
  desktop.post([&] { desktop.unload(*form); });
  click(kTab2);
  EXPECT_FALSE(strip->alive());
  // The first copy was made; the second copy and the moves never ran.
  EXPECT_EQ(tabs(), "off@0 off@0");
}

}  // namespace
}  // namespace okit
