// Desktops are independent: two in one program keep their own forms, input,
// focus, clock, window handles, clipboard and screen. An element on no
// desktop has none of those, and the code that needs them does nothing.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "backend/headless/headless_backend.h"
#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/elements/timer.h"
#include "host/form_file.h"
#include "host/form_loader.h"
#include "host/picture.h"
#include "host/place_control.h"
#include "host/user_control.h"
#include "library/class_registry.h"
#include "paint_testing.h"
#include "window_services/mod_ActiveWindow.h"
#include "controls_desktop.h"

namespace okit {
namespace {

constexpr const char* kForm =
    "Begin Host.Form Main\n"
    "   ClientLeft = 1500\n   ClientTop = 1500\n   ClientWidth = 4500\n   ClientHeight = 3000\n"
    "   Begin OpalineKit.cmd_Opaline_Button Button1\n      Left = 300\n      Top = 300\n   End\n"
    "End\n";

// The name of the skin image the button's left slice shows: f1 at rest with
// the focus the loaded form gives it, h1 while the cursor hovers over it.
std::string left_slice(const Form& form) {
  const auto button = form.find_control("Button1");
  for (const auto& bar : button->children())
    if (auto slice = std::dynamic_pointer_cast<Image>(bar->find_child("v1"))) return slice->picture()->source_name();
  return "";
}

// One desktop with its backend and the same form loaded on it.
struct Session {
  Session() {
    auto doc = parse_form(kForm, "main.frm");
    form = *load_form(desktop, *doc, "main.frm");
  }
  Point over_button() const {
    const Point button = form->find_control("Button1")->screen_origin();
    return {button.x + 10, button.y + 10};
  }

  testing::ControlsDesktop desktop;
  HeadlessBackend backend{desktop};
  std::shared_ptr<Form> form;
};

TEST(TwoDesktops, TheSameFormNameLoadsOnEachButOnlyOnceOnOne) {
  Session a, b;
  EXPECT_EQ(a.desktop.find_form("Main"), a.form);
  EXPECT_EQ(b.desktop.find_form("Main"), b.form);
  EXPECT_NE(a.form, b.form);
  EXPECT_NE(a.form->hwnd(), b.form->hwnd()) << "handles are never shared";
  EXPECT_FALSE(load_form(a.desktop, *parse_form(kForm, "again.frm"), "again.frm")) << "a second Main on one desktop";
}

TEST(TwoDesktops, InputAndTimersOnOneLeaveTheOtherAlone) {
  Session a, b;
  ASSERT_EQ(left_slice(*b.form), "f1");
  a.desktop.mouse_move(a.over_button());
  a.desktop.advance(30);
  EXPECT_EQ(left_slice(*a.form), "h1");
  EXPECT_EQ(left_slice(*b.form), "f1") << "b's cursor never moved";
  EXPECT_EQ(b.desktop.now(), 0) << "b's clock stands still";
  EXPECT_EQ(b.desktop.cursor(), Point{});

  a.desktop.activate(nullptr);
  const Element& button_b = *b.form->find_control("Button1");
  EXPECT_TRUE(mod_ActiveWindow::IsWindowActive(button_b, b.form->hwnd())) << "b's form is still active on b";
  EXPECT_FALSE(mod_ActiveWindow::IsWindowActive(button_b, a.form->hwnd()));

  EXPECT_EQ(a.desktop.find_window(b.form->hwnd()), nullptr) << "a handle means something on its own desktop only";
  a.desktop.clipboard().set_text("a's");
  EXPECT_EQ(b.desktop.clipboard().text(), "");
}

TEST(TwoDesktops, EachComposesItsOwnScreen) {
  Session a, b;
  a.form->put_BackColor(0x000000FF);
  b.form->put_BackColor(0x00FF0000);
  const Point inside{150, 250};
  EXPECT_EQ(a.backend.compositor().screen_pixel(inside), 0xFF0000u);
  EXPECT_EQ(b.backend.compositor().screen_pixel(inside), 0x0000FFu);
  a.desktop.unload(*a.form);
  EXPECT_EQ(b.backend.compositor().screen_pixel(inside), 0x0000FFu);
  EXPECT_NE(a.backend.compositor().screen_pixel(inside), 0xFF0000u);
  EXPECT_EQ(a.backend.compositor().screen().width(), kDesktopWidth);
  EXPECT_EQ(a.backend.compositor().screen().height(), kDesktopHeight);
}

// ---- Joining and leaving a desktop ----------------------------------------------

struct TickCount : EventSink {
  int ticks = 0;
  void element_event(Element&, std::string_view, std::span<Value>) override { ++ticks; }
};

TEST(OffDesktop, ATimerEnabledBeforeItsFormIsOnADesktopRunsFromWhenItJoins) {
  testing::ControlsDesktop desktop;
  desktop.advance(100);
  auto holder = std::make_shared<testing::PlainSurface>("Holder");
  auto timer = std::make_shared<Timer>("Timer1");
  TickCount count;
  timer->set_sink(&count);
  timer->put_Interval(10);
  holder->add_child(timer);
  EXPECT_LT(desktop.timers().next_due(), 0) << "no desktop, no schedule";

  auto form = desktop.create_form("F");
  form->add_child(holder);
  EXPECT_EQ(desktop.timers().next_due(), 110);
  desktop.advance(20);
  EXPECT_EQ(count.ticks, 2);
  desktop.unload(*form);
  EXPECT_LT(desktop.timers().next_due(), 0) << "an unloaded form's timers stop";
}

TEST(OffDesktop, AControlOnNoDesktopHasNoActiveWindowNoEpochAndNothingToPump) {
  auto control = class_registry().create("cmd_Opaline_Button");
  EXPECT_EQ(control->desktop(), nullptr);
  EXPECT_FALSE(mod_ActiveWindow::IsWindowActive(*control, 0));
  EXPECT_EQ(control->layout_epoch(), 0u);
  control->DoEvents();
}

TEST(OffDesktop, WindowsAreListedWhileOnTheDesktopAndFormsOutliveIt) {
  std::shared_ptr<Form> kept;
  std::int32_t button_window = 0;
  {
    testing::ControlsDesktop desktop;
    kept = desktop.create_form("F");
    auto button = place_control(*kept, *kept, "cmd_Opaline_Button", "Button1", {0, 0});
    button_window = button->hwnd();
    EXPECT_EQ(desktop.find_window(button_window), button.get());
    EXPECT_EQ(desktop.find_window(kept->hwnd()), kept.get());
    button->destroy();
    EXPECT_EQ(desktop.find_window(button_window), nullptr);
    place_control(*kept, *kept, "cmd_Opaline_Button", "Button2", {0, 0});
  }
  // The desktop unloaded what it held: the form knows it is gone.
  EXPECT_FALSE(kept->alive());
  EXPECT_EQ(kept->desktop(), nullptr);
  kept->Unload();
}

}  // namespace
}  // namespace okit
