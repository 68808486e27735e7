// The tab strip's picture copies pump pending messages after each
// assignment, which a scenario cannot observe (it pumps after every
// command anyway): a posted message runs in the middle of a selection, and a
// selection whose form is unloaded by such a message stops there. Also here:
// the name each tab picture prints, which the scenarios show only for the
// tab images.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/form.h"
#include "host/user_control.h"
#include "library/class_registry.h"
#include "controls_desktop.h"

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
    form = desktop.create_form("Main");
    form->place_twips(0, 0, 600 * kTwips, 400 * kTwips);
    desktop.activate(form.get());
    strip = std::dynamic_pointer_cast<UserControl>(class_registry().create("stp_Brook_TabStrip"));
    strip->set_name("Tab1");
    strip->set_role(ElementRole::Control);
    form->add_child(strip);
    strip->notify_resized();
  }

  Image& tab(const char* name) const { return static_cast<Image&>(*strip->find_child(name)); }
  // Which picture each tab shows and how high it stands, e.g. "img_on@0 img_off@15".
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

  testing::ControlsDesktop desktop;
  std::shared_ptr<Form> form;
  std::shared_ptr<UserControl> strip;
};

// What `elem Tab1.img_caption1.Picture` prints: the source image whose
// picture a tab shows, in the layout's state as after the copies a click
// makes; the sources name themselves.
TEST_F(TabStripPumping, PicturesNameTheSourceImageTheyCameFrom) {
  EXPECT_EQ(tabs(), "img_on@0 img_off@0");
  EXPECT_EQ(tab("img_on").picture()->source_name(), "img_on");
  EXPECT_EQ(tab("img_off").picture()->source_name(), "img_off");
  click(kTab2);
  click(kTab1);
  EXPECT_EQ(tabs(), "img_on@0 img_off@15");
}

TEST_F(TabStripPumping, MessagesRunAfterEachAssignedPicture) {
  std::vector<std::string> seen;
  const auto record = [&] { seen.push_back(tabs()); };

  // Selecting tab 2 from the layout's state: the first copy pumps with
  // tab 1 already switched to the off-picture, before tab 2 is switched and
  // before the tabs move.
  desktop.post(record);
  click(kTab2);
  EXPECT_EQ(seen, (std::vector<std::string>{"img_off@0 img_off@0"}));
  EXPECT_EQ(tabs(), "img_off@15 img_on@0");

  // Selecting the selected tab assigns nothing, so nothing is pumped.
  seen.clear();
  desktop.post(record);
  click(kTab2);
  EXPECT_TRUE(seen.empty());
  desktop.do_events();
  EXPECT_EQ(seen, (std::vector<std::string>{"img_off@15 img_on@0"}));

  // When only tab 2's picture differs, the second copy pumps, again before
  // the tabs move.
  seen.clear();
  click(kTab1);
  tab("img_caption1").set_picture(tab("img_off").picture());
  desktop.post(record);
  click(kTab2);
  EXPECT_EQ(seen, (std::vector<std::string>{"img_off@0 img_on@15"}));
}

TEST_F(TabStripPumping, UnloadingTheFormInTheMiddleEndsTheSelection) {
  desktop.post([&] { desktop.unload(*form); });
  click(kTab2);
  EXPECT_FALSE(strip->alive());
  // The first copy was made; the second copy and the moves never ran.
  EXPECT_EQ(tabs(), "img_off@0 img_off@0");
}

}  // namespace
}  // namespace okit
