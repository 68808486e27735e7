// The caption control where a scenario cannot look: what its timer costs in
// repaints (nothing in a steady state, only the frame on an activation
// switch) and the window drags it starts, run through the headless move
// loop.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/paint/rect_math.h"
#include "host/user_control.h"
#include "host_testing.h"
#include "library/class_registry.h"
#include "scripted_backend.h"
#include "controls_desktop.h"

namespace okit {
namespace {

constexpr int kTwips = 15;
constexpr const char* kSlices[] = {"l1", "m1", "r1", "l2", "r2", "l3", "m3", "r3"};

class CaptionControl : public ::testing::Test {
 protected:
  void SetUp() override {
    backend = std::make_unique<testing::ScriptedBackend>(desktop);
    form = desktop.create_form("Main");
    form->place_twips(100 * kTwips, 100 * kTwips, 500 * kTwips, 400 * kTwips);
    desktop.activate(form.get());
    caption = place("Caption1", *form);
  }
  void TearDown() override { backend.reset(); }

  // Places a caption control at the container's origin in its design size,
  // as a designer does.
  std::shared_ptr<UserControl> place(const char* name, Element& container) {
    auto control = std::dynamic_pointer_cast<UserControl>(class_registry().create("ctl_Opaline_Form"));
    control->set_name(name);
    control->set_role(ElementRole::Control);
    container.add_child(control);
    control->InitProperties();
    control->notify_resized();
    return control;
  }
  const Picture* shown(const char* slice) const {
    return std::dynamic_pointer_cast<Image>(caption->find_child(slice))->picture().get();
  }
  std::vector<const Picture*> shown_pictures() const {
    std::vector<const Picture*> pictures;
    for (const char* slice : kSlices) pictures.push_back(shown(slice));
    return pictures;
  }
  // A single press on a screen point (never the second of a double click),
  // with the scripted moves that the move loop runs until the release.
  void press_at(Point where, std::deque<std::function<void()>> moves) {
    desktop.forget_last_press();
    backend->mouse_move(where);
    backend->script = std::move(moves);
    desktop.mouse_down(mouse_button::Left);
  }

  testing::ControlsDesktop desktop;
  std::unique_ptr<testing::ScriptedBackend> backend;
  std::shared_ptr<Form> form;
  std::shared_ptr<UserControl> caption;
};

TEST_F(CaptionControl, SteadyTicksAssignNoPictureAndRepaintNothing) {
  const auto expect_steady = [&](const char* state) {
    desktop.advance(10);  // the tick that shows the state
    const auto pictures = shown_pictures();
    form->dirty_region().clear();
    desktop.advance(200);
    EXPECT_TRUE(form->dirty_region().empty()) << state;
    EXPECT_EQ(shown_pictures(), pictures) << state;
  };
  expect_steady("active");
  backend->mouse_move({414, 110});  // over the close button
  expect_steady("hover");
  desktop.activate(nullptr);
  expect_steady("inactive");
}

TEST_F(CaptionControl, ActivationSwitchRepaintsOnlyTheFrame) {
  desktop.advance(10);
  // The client area inside the frame: 3-pixel borders and the 20-pixel bar.
  const Rect client{3, 20, 326 - 3, 275 - 3};
  for (Form* activate : {static_cast<Form*>(nullptr), form.get()}) {
    form->dirty_region().clear();
    desktop.activate(activate);
    desktop.advance(10);
    ASSERT_FALSE(form->dirty_region().empty());
    for (const Rect& dirty : form->dirty_region().rects())
      EXPECT_FALSE(overlaps(dirty, client))
          << "dirty " << dirty.left << "," << dirty.top << " " << dirty.width() << "x" << dirty.height();
  }
}

TEST_F(CaptionControl, TitleBarDragsTheFormOrTheControl) {
  auto inner = place("Inner", *caption);
  inner->place_twips(20 * kTwips, 40 * kTwips, inner->width_twips(), inner->height_twips());

  // MoveForm 1 (the default): the form follows the cursor until the release.
  press_at({150, 110}, {[&] { backend->mouse_move({170, 135}); }, [&] { desktop.mouse_up(mouse_button::Left); }});
  EXPECT_EQ(form->client_screen_origin(), (Point{120, 125}));
  EXPECT_EQ(caption->left_twips(), 0);

  // MoveForm False, 0 or Null: the control moves inside its form, and what
  // it holds moves with it.
  for (const Value& move_control : {Value::boolean(false), Value(std::int16_t{0}), Value::null()}) {
    caption->put_property("MoveForm", move_control);
    const Point grab = caption->screen_origin();
    const Point inner_before = inner->screen_origin();
    press_at({grab.x + 50, grab.y + 10},
             {[&] { backend->mouse_move({grab.x + 55, grab.y + 13}); }, [&] { desktop.mouse_up(mouse_button::Left); }});
    EXPECT_EQ(caption->screen_origin(), (Point{grab.x + 5, grab.y + 3})) << format_value(move_control);
    EXPECT_EQ(inner->screen_origin(), (Point{inner_before.x + 5, inner_before.y + 3}));
    EXPECT_EQ(form->client_screen_origin(), (Point{120, 125}));
  }

  // The caption control inside it drags only itself, with the default
  // MoveForm the whole form.
  const Point inner_bar = inner->screen_origin();
  press_at({inner_bar.x + 30, inner_bar.y + 5},
           {[&] { backend->mouse_move({inner_bar.x + 40, inner_bar.y + 5}); },
            [&] { desktop.mouse_up(mouse_button::Left); }});
  EXPECT_EQ(form->client_screen_origin(), (Point{130, 125}));
}

TEST_F(CaptionControl, NoDragWithoutDoMoveOrWithAMoveFormThatIsNoBoolean) {
  const auto press_on_bar = [&] {
    return testing::raised_error([&] {
      press_at({150, 110}, {[&] { backend->mouse_move({170, 130}); }});
    });
  };
  caption->put_property("DoMove", Value::boolean(false));
  EXPECT_EQ(press_on_bar(), 0);
  EXPECT_EQ(backend->script.size(), 1u) << "no move loop ran";
  desktop.mouse_up(mouse_button::Left);

  caption->put_property("DoMove", Value::boolean(true));
  caption->put_property("MoveForm", Value("not a boolean"));
  EXPECT_EQ(press_on_bar(), err::TypeMismatch);
  EXPECT_EQ(backend->script.size(), 1u) << "no move loop ran";
  desktop.mouse_up(mouse_button::Left);

  EXPECT_EQ(form->client_screen_origin(), (Point{100, 100}));
  EXPECT_EQ(caption->left_twips(), 0);
}

}  // namespace
}  // namespace okit
