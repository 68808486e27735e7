// The check box where scenarios cannot reach: its late-bound interface
// against the type library, the layout after any sequence of sizes (with the
// nested Resize passes that auto-size causes), and what a hover tick repaints.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "host/desktop.h"
#include "host/paint/compositor.h"
#include "library/class_registry.h"
#include "controls_desktop.h"

namespace okit {
namespace {

constexpr double kTwips = 15;

std::shared_ptr<chk_Opaline_CheckBox> new_check_box() {
  auto control = std::dynamic_pointer_cast<chk_Opaline_CheckBox>(class_registry().create("chk_Opaline_CheckBox"));
  if (!control) throw std::logic_error("chk_Opaline_CheckBox has no factory");
  control->set_role(ElementRole::Control);
  return control;
}

// A child element of the control or of its panel, by name.
Element& child(Element& control, std::string_view name) {
  if (auto found = control.find_child(name)) return *found;
  if (auto found = control.find_child("Picture1")->find_child(name)) return *found;
  throw std::logic_error("no child element " + std::string(name));
}

TEST(CheckBoxInterface, PropertiesAndEventsAreThoseOfTheTypeLibrary) {
  auto control = new_check_box();
  const ClassTypeInfo& type = *class_registry().find_class("chk_Opaline_CheckBox");
  const ClassInfo& info = control->class_info();
  ASSERT_EQ(info.properties.size(), type.members.size());
  for (std::size_t i = 0; i < type.members.size(); ++i) {
    const MemberTypeInfo& member = type.members[i];
    EXPECT_EQ(info.properties[i].name, member.name) << "member " << i;
    EXPECT_EQ(info.properties[i].dispid, member.dispid) << member.name;
    EXPECT_EQ(info.properties[i].type, member.type) << member.name;
    EXPECT_EQ(info.properties[i].read_only(), member.read_only) << member.name;
  }
  ASSERT_EQ(info.events.size(), type.events.size());
  for (std::size_t i = 0; i < type.events.size(); ++i) EXPECT_EQ(info.events[i].name, type.events[i].name);
  EXPECT_EQ(type.accessor_order, AccessorOrder::AllGettersFirst);
}

// Whatever sizes the host gives, in whatever order, the panel spans the
// control, the input surface covers the panel, the dead zone runs from below
// the box to the panel's bottom, and auto-size ends the control at the
// caption's right edge, one caption high.
TEST(CheckBoxLayout, EverySequenceOfSizesEndsInAConsistentLayout) {
  struct Size {
    int width, height;  // pixels
  };
  const Size sizes[] = {{200, 40}, {10, 60}, {300, 5}, {0, 0}, {120, 13}, {120, 14}, {400, 200}, {16, 12}, {90, 30}};
  for (const bool auto_size : {true, false}) {
    auto control = new_check_box();
    control->InitProperties();
    control->put_Caption("Keep this setting for every file in the folder");
    control->put_AutoSize(auto_size);
    for (const Size& size : sizes) {
      const std::string at = (auto_size ? "auto-size, " : "fixed, ") + std::to_string(size.width) + " x " +
                             std::to_string(size.height);
      control->set_bounds_twips(0, 0, size.width * kTwips, size.height * kTwips);
      auto& panel = static_cast<PictureBox&>(child(*control, "Picture1"));
      Element& input = child(*control, "cmd_move");
      Element& dead_zone = child(*control, "cmd_none");
      Element& caption = child(*control, "lbl_Caption");
      EXPECT_GE(control->Height(), 195) << at;
      EXPECT_EQ(panel.Width(), control->ScaleWidth()) << at;
      EXPECT_EQ(panel.Height(), control->ScaleHeight()) << at;
      EXPECT_EQ(input.Width(), panel.ScaleWidth()) << at;
      EXPECT_EQ(input.Height(), panel.ScaleHeight()) << at;
      EXPECT_EQ(dead_zone.Top(), 195) << at;
      EXPECT_EQ(dead_zone.Top() + dead_zone.Height(), panel.Height()) << at;
      if (auto_size) {
        EXPECT_EQ(control->Width(), caption.Left() + caption.Width()) << at;
        EXPECT_EQ(control->Height(), caption.Height()) << at;
      } else {
        EXPECT_EQ(caption.Height(), control->ScaleHeight()) << at;
      }
    }
  }
}

// A steady hover tick assigns nothing; the tick that finds the cursor gone
// repaints the box alone and stops the timer, after which nothing fires.
TEST(CheckBoxHover, SteadyTicksRepaintNothing) {
  testing::ControlsDesktop desktop;
  auto form = desktop.create_form("frmHover");
  form->set_bounds_twips(100 * kTwips, 100 * kTwips, 300 * kTwips, 200 * kTwips);
  auto control = new_check_box();
  form->add_child(control);
  control->place_twips(10 * kTwips, 10 * kTwips, control->width_twips(), control->height_twips());
  control->InitProperties();
  control->notify_resized();
  control->show();
  desktop.activate(form.get());
  auto& timer = static_cast<Timer&>(child(*control, "tmr_hover"));
  auto& box = static_cast<Image&>(child(*control, "v1"));
  Compositor compositor;

  desktop.mouse_move({150, 115});
  desktop.advance(10);
  EXPECT_EQ(box.picture()->source_name(), "a1");
  compositor.compose(*form);
  for (int tick = 0; tick < 5; ++tick) {
    desktop.advance(10);
    EXPECT_EQ(compositor.compose(*form).pixels, 0) << "tick " << tick;
  }
  EXPECT_TRUE(timer.Enabled());

  desktop.mouse_move({150, 180});
  desktop.advance(10);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(box.picture()->source_name(), "d1");
  EXPECT_LE(compositor.compose(*form).pixels, 13 * 13);
  desktop.advance(100);
  EXPECT_EQ(compositor.compose(*form).pixels, 0);
}

}  // namespace
}  // namespace okit
