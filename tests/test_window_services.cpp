// The active-window test and the window drag on the headless desktop: the
// drag's move loop follows the scripted mouse until the release, timers keep
// ticking meanwhile, and the press that started it makes no click.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "event_recorder.h"
#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/elements/timer.h"
#include "host/user_control.h"
#include "window_services/mod_ActiveWindow.h"
#include "window_services/mod_MoveWindows.h"
#include "scripted_backend.h"
#include "controls_desktop.h"

namespace okit {
namespace {

// A control whose title strip starts a drag of its form, or of itself.
class DragSurface : public UserControl {
 public:
  explicit DragSurface(bool move_form) : UserControl("Dragger") {
    set_role(ElementRole::Control);
    strip = add_element<Image>(*this, "cmd_move");
    strip->Move(0, 0, 100 * 15, 20 * 15);
    ticker = add_element<Timer>(*this, "Timer1");
    ticker->put_Interval(10);
    handle(*strip, "MouseDown", [this, move_form](std::span<Value>) {
      const std::int32_t hwnd = move_form ? form()->hwnd() : this->hwnd();
      mod_MoveWindows::DragWindow(*this, hwnd);
      ++drags;
    });
    handle(*strip, "Click", [this](std::span<Value>) { ++clicks; });
    handle(*ticker, "Timer", [this](std::span<Value>) { ++ticks; });
  }
  const ClassInfo& class_info() const override {
    static const ClassInfo info{"DragSurface", "Test", {}, {}, &element_class_info()};
    return info;
  }
  std::shared_ptr<Image> strip;
  std::shared_ptr<Timer> ticker;
  int drags = 0, clicks = 0, ticks = 0;
};

class WindowServices : public ::testing::Test {
 protected:
  void SetUp() override { backend = std::make_unique<testing::ScriptedBackend>(desktop); }
  void TearDown() override { backend.reset(); }
  std::shared_ptr<Form> make_form(const char* name, int x, int y) {
    auto form = desktop.create_form(name);
    form->place_twips(x * 15, y * 15, 300 * 15, 200 * 15);
    desktop.activate(form.get());
    return form;
  }
  std::shared_ptr<DragSurface> add_dragger(Form& form, bool move_form) {
    auto surface = std::make_shared<DragSurface>(move_form);
    form.add_child(surface);
    surface->place_twips(10 * 15, 10 * 15, 100 * 15, 50 * 15);
    return surface;
  }

  testing::ControlsDesktop desktop;
  std::unique_ptr<testing::ScriptedBackend> backend;
};

TEST_F(WindowServices, ActiveWindowFollowsActivation) {
  auto first = make_form("First", 0, 0);
  auto second = make_form("Second", 400, 0);
  EXPECT_TRUE(mod_ActiveWindow::IsWindowActive(*first, second->hwnd()));
  EXPECT_FALSE(mod_ActiveWindow::IsWindowActive(*first, first->hwnd()));
  desktop.activate(nullptr);  // another application's window
  EXPECT_FALSE(mod_ActiveWindow::IsWindowActive(*first, second->hwnd()));
  EXPECT_TRUE(mod_ActiveWindow::IsWindowActive(*first, 0));
  desktop.unload(*second);
  desktop.activate(first.get());
  desktop.unload(*first);
  EXPECT_EQ(desktop.active_window(), 0);
}

TEST_F(WindowServices, DragMovesTheFormByTheCursorDeltaUntilRelease) {
  auto form = make_form("Main", 100, 100);
  auto dragger = add_dragger(*form, true);
  backend->mouse_move({115, 115});
  backend->script = {
      [&] { backend->mouse_move({145, 135}); },
      [&] { desktop.advance(25); },  // timers tick inside the move loop
      [&] { backend->mouse_move({150, 130}); },
      [&] { desktop.mouse_up(mouse_button::Left); },
      [&] { ADD_FAILURE() << "the loop ran past the release"; },
  };
  desktop.mouse_down(mouse_button::Left);
  EXPECT_EQ(dragger->drags, 1);
  EXPECT_EQ(form->client_screen_origin(), (Point{135, 115}));
  EXPECT_EQ(dragger->ticks, 2);
  EXPECT_EQ(dragger->clicks, 0);
  EXPECT_EQ(desktop.capture(), nullptr);
  EXPECT_FALSE(backend->dragging());
  // After the drag, moves reach the elements again.
  testing::EventRecorder recorder;
  dragger->strip->set_sink(&recorder);
  backend->mouse_move({160, 140});
  EXPECT_EQ(recorder.take(), std::vector<std::string>{"MouseMove"});
}

TEST_F(WindowServices, DragOfAControlMovesItInsideItsForm) {
  auto form = make_form("Main", 100, 100);
  auto dragger = add_dragger(*form, false);
  backend->mouse_move({115, 115});
  backend->script = {
      [&] { backend->mouse_move({125, 118}); },
      [&] { desktop.mouse_up(mouse_button::Left); },
  };
  desktop.mouse_down(mouse_button::Left);
  EXPECT_EQ(form->client_screen_origin(), (Point{100, 100}));
  EXPECT_EQ(dragger->left_twips(), 20 * 15);
  EXPECT_EQ(dragger->top_twips(), 13 * 15);
}

TEST_F(WindowServices, DragEndsWhenTheScriptEndsOrTheWindowGoesAway) {
  auto form = make_form("Main", 100, 100);
  add_dragger(*form, true);
  backend->mouse_move({115, 115});
  backend->script = {[&] { desktop.unload(*form); }, [&] { backend->mouse_move({200, 200}); }};
  desktop.mouse_down(mouse_button::Left);
  EXPECT_FALSE(form->alive());
  EXPECT_EQ(backend->script.size(), 1u);  // the loop stopped once its window was gone
  EXPECT_EQ(desktop.cursor(), (Point{115, 115}));
}

}  // namespace
}  // namespace okit
