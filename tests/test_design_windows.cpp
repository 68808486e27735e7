// The designer's windows without a screen: mouse drags on the form being
// designed place, move and resize with an outline first; the property grid
// enters typed text and list choices through the rows' editors and tells
// refusals as messages, leaving the document as it was.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "api/application.h"
#include "app/designer/design_canvas.h"
#include "app/designer/event_router.h"
#include "app/designer/property_window.h"
#include "app/designer/toolbox_window.h"

namespace okit {
namespace {

constexpr std::int16_t kEnter = 13;

class DesignWindows : public ::testing::Test {
 protected:
  DesignWindows() {
    d.start_new("Dialog");
    desktop.set_application(&router);
  }

  Point on_form(int x, int y) const {
    const Point origin = d.form().screen_origin();
    return {origin.x + x, origin.y + y};
  }

  void drag(Point from, Point to) {
        desktop.mouse_move(on_form(from.x, from.y));
    desktop.mouse_down(mouse_button::Left);
    desktop.mouse_move(on_form((from.x + to.x) / 2, (from.y + to.y) / 2));
    desktop.mouse_move(on_form(to.x, to.y));
    outline_seen = d.form().children().size() > form_children;
    desktop.mouse_up(mouse_button::Left);
  }

  Application app;  // the desktop's loop, shared with the designer
  Desktop& desktop = app.desktop();
  Designer d{&desktop};
  EventRouter router;
  std::optional<std::string> tool;
  int saves = 0;
  DesignCanvas canvas{d, {[this] { return std::exchange(tool, std::nullopt); }, [this] { ++saves; }, [] {},
                          [this] { canvas.attach(); }}};
  std::size_t form_children = 0;
  bool outline_seen = false;
};

TEST_F(DesignWindows, DragsPlaceResizeAndMoveOnReleaseSnappedToTheGrid) {
  canvas.attach();
  // A click-drag with a tool picked places the class in the dragged rectangle.
  tool = "CommandButton";
  form_children = d.form().children().size();
  drag({10, 10}, {100, 35});
  EXPECT_TRUE(outline_seen);
  ASSERT_NE(d.form().find_control("Command1"), nullptr);
  EXPECT_EQ(d.get("Command1", "Left").to_double(), 8 * 15.0);
  EXPECT_EQ(d.get("Command1", "Width").to_double(), 88 * 15.0);
  EXPECT_EQ(d.selection(), std::vector<std::string>{"Command1"});

  // The corner handle of the lone selection resizes: 8,8 to 96,32 grows by 40,16.
  drag({98, 34}, {138, 50});
  EXPECT_EQ(d.get("Command1", "Width").to_double(), 128 * 15.0);
  EXPECT_EQ(d.get("Command1", "Height").to_double(), 40 * 15.0);

  // Dragging the control moves it; nothing changes until the release.
  drag({20, 20}, {36, 28});
  EXPECT_EQ(d.get("Command1", "Left").to_double(), 24 * 15.0);
  EXPECT_EQ(d.get("Command1", "Top").to_double(), 16 * 15.0);

  // Undo takes back one drag at a time.
  ASSERT_TRUE(d.undo());
  EXPECT_EQ(d.get("Command1", "Left").to_double(), 8 * 15.0);
}

TEST_F(DesignWindows, APlacedControlGoesIntoTheContainerUnderThePress) {
  canvas.attach();
  d.place("fam_Opaline_Framebordder", "", 16, 16, Size{200, 120});
  tool = "CommandButton";
  drag({40, 48}, {40, 48});  // a click: the control's own size
  auto button = d.form().find_control("Command1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(control_holding(button->parent()), d.form().find_control("Frame1").get());
  EXPECT_EQ(d.get("Command1", "Left").to_double(), 24 * 15.0);  // 40 on the form is 24 in the frame
}

TEST_F(DesignWindows, DroppingOnAContainerPutsTheControlInsideAndBackOut) {
  canvas.attach();
  d.place("fam_Opaline_Framebordder", "", 16, 16, Size{160, 120});
  d.place("CommandButton", "", 200, 160, Size{64, 24});
  // Nesting reloads the form, so controls are compared by name.
  const auto holder = [&] {
    const Element* e = control_holding(d.form().find_control("Command1")->parent());
    return e ? e->name() : "";
  };

  drag({210, 170}, {50, 70});  // dropped inside the frame: one edit moves and nests
  EXPECT_EQ(holder(), "Frame1");
  EXPECT_EQ(d.get("Command1", "Left").to_double(), 24 * 15.0);  // 40 on the form, 16 in the frame
  ASSERT_TRUE(d.undo());
  EXPECT_EQ(holder(), "");
  EXPECT_EQ(d.get("Command1", "Left").to_double(), 200 * 15.0);

  ASSERT_TRUE(d.redo());
  d.select("Command1", false);
  drag({45, 70}, {45, 80});  // a move inside the frame stays there: 48 + 10 snaps to 56
  EXPECT_EQ(d.get("Command1", "Top").to_double(), 56 * 15.0);
  EXPECT_EQ(holder(), "Frame1");
  drag({45, 85}, {245, 185});  // dropped on the form: out of the frame
  EXPECT_EQ(holder(), "");
}

TEST_F(DesignWindows, AToolDraggedOutOfTheToolboxIsPlacedWhereItIsLetGo) {
  canvas.attach();
  d.place("fam_Opaline_Framebordder", "", 16, 16, Size{160, 120});
  ToolboxWindow toolbox(desktop, router, {400, 0}, [this](const std::string& class_name, Point at) {
    return canvas.drop(class_name, at);
  });
    const Point button = toolbox.form().find_control("Tool2")->screen_origin();  // the check box
  desktop.mouse_move({button.x + 60, button.y + 8});
  desktop.mouse_down(mouse_button::Left);
  desktop.mouse_move(on_form(48, 64));
  desktop.mouse_up(mouse_button::Left);
  ASSERT_NE(d.form().find_control("Check1"), nullptr);
  EXPECT_EQ(d.selection(), std::vector<std::string>{"Check1"});
  EXPECT_EQ(control_holding(d.form().find_control("Check1")->parent())->name(), "Frame1");
}

TEST(GrabHandles, RightBottomAndCornerHandlesResize) {
  const Rect r{10, 10, 50, 30};
  EXPECT_FALSE(handle_at(r, {30, 20}).has_value());
  const auto corner = handle_at(r, {52, 32});
  ASSERT_TRUE(corner.has_value());
  EXPECT_TRUE(corner->right && corner->bottom);
  EXPECT_TRUE(handle_at(r, {52, 20})->right);
  EXPECT_FALSE(handle_at(r, {52, 20})->bottom);
  EXPECT_TRUE(handle_at(r, {30, 32})->bottom);
  EXPECT_FALSE(handle_at(r, {30, 32})->right);
}

class PropertyGridWindow : public DesignWindows {
 protected:
  PropertyGridWindow() {
    d.place("chk_Opaline_CheckBox", "", 8, 8);
    grid.show();
  }

  // The grid's control for `property`: its text box, or its list button.
  Element& row_control(const std::string& property, const char* kind) {
    for (const auto& control : grid.form().controls())
      if (control->class_info().name == "Label" && control->get_property("Caption").to_string() == property) {
        const std::string index = control->name().substr(4);  // "Name7"
        return *grid.form().find_control(kind + index);
      }
    throw std::runtime_error("no row " + property);
  }

  void type_and_enter(const std::string& property, const std::string& text) {
    Element& box = row_control(property, "Value");
    box.put_property("Text", Value(text));
    std::vector<Value> args{Value(kEnter)};
    router.control_event(box, "KeyPress", args);
  }

  std::vector<std::string> messages;
  PropertyWindow grid{router, d, {400, 0}, [this] { grid.show(); },
                      [this](const std::string& m) { messages.push_back(m); }};
};

TEST_F(PropertyGridWindow, EnterWritesThroughTheRowsEditorAndRefusalsAreMessages) {
  type_and_enter("Caption", "Remember me");
  EXPECT_EQ(d.get("Check1", "Caption").to_string(), "Remember me");
  EXPECT_TRUE(messages.empty());

  const std::string before = d.text();
  type_and_enter("Width", "-5");
  type_and_enter("Enabled", "perhaps");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Check1.Width: Invalid property value (error 380)");
  EXPECT_EQ(d.text(), before);
  // The refused boxes show the value the control kept.
  EXPECT_EQ(row_control("Width", "Value").get_property("Text").to_string(), d.get("Check1", "Width").to_string());
}

TEST_F(PropertyGridWindow, AListChoiceIsEnteredAndTheListCloses) {
  std::vector<Value> none;
  router.control_event(row_control("Value", "List"), "Click", none);
  auto list = desktop.find_form("Choices");
  ASSERT_NE(list, nullptr);
  auto checked = list->find_control("Choice1");
  EXPECT_EQ(checked->get_property("Caption").to_string(), "1 - chk_Checked");
  router.control_event(*checked, "Click", none);
  EXPECT_FALSE(list->alive());
  EXPECT_EQ(d.get("Check1", "Value").to_long(), 1);
  EXPECT_EQ(row_control("Value", "Value").get_property("Text").to_string(), "1 - chk_Checked");
}

TEST_F(PropertyGridWindow, TheGridFollowsTheSelection) {
  EXPECT_NO_THROW(row_control("Value", "Value"));  // a check box's rows
  d.clear_selection();
  grid.show();
  EXPECT_THROW(row_control("Value", "Value"), std::runtime_error);  // the form's
  EXPECT_NO_THROW(row_control("BorderStyle", "Value"));
  type_and_enter("Name", "Login");
  EXPECT_EQ(d.form().name(), "Login");
}

TEST_F(PropertyGridWindow, CtrlSSavesFromTheGridAsFromTheForm) {
    router.on_key_down = [this](std::int16_t code, std::int16_t shift) { canvas.shortcut(code, shift); };
  canvas.attach();
  desktop.set_focus(row_control("Caption", "Value"));
  desktop.key_down('S', shift_mask::Ctrl);
  desktop.key_down('S', 0);  // a plain S is the box's
  EXPECT_EQ(saves, 1);
  desktop.activate(&d.form());
  desktop.key_down('S', shift_mask::Ctrl);
  EXPECT_EQ(saves, 2);
}

}  // namespace
}  // namespace okit
