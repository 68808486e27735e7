// okit render --tree: the gallery's tree held as text, and the ways a tree
// goes quietly wrong: escaping, access-key markers, states a control inherits
// from its container, the focus after Tab, and values read from what the
// skinned controls show.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/render_command.h"
#include "app/semantic_tree.h"
#include "app/silent_application.h"
#include "controls/checkbox/chk_Opaline_CheckBox.h"
#include "host/form.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

const std::string kSourceDir = OKIT_SOURCE_DIR;

std::string read_text(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

TEST(SemanticTreeCommand, GalleryTreeIsAloneOnStandardOutputAndThePngIsWritten) {
  const fs::path png = fs::temp_directory_path() / ("okit_tree_" + std::to_string(::getpid()) + ".png");
  std::ostringstream out, err;
  const int status =
      render_command({"render", kSourceDir + "/examples/gallery.frm", "-o", png.string(), "--tree"}, out, err);
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_EQ(out.str(), read_text(kSourceDir + "/tests/golden/gallery.tree"));
  EXPECT_TRUE(fs::exists(png));
  fs::remove(png);
}

TEST(SemanticTreeText, EscapingKeepsEveryControlOnOneLine) {
  EXPECT_EQ(escape_tree_text("a\"b\\c"), "a\\\"b\\\\c");
  EXPECT_EQ(escape_tree_text("one\ntwo\tthree\x01\x7f"), "one\\ntwo\\tthree\\x01\\x7f");
  EXPECT_EQ(escape_tree_text("Größe"), "Größe");
}

class SemanticTree : public ::testing::Test {
 protected:
  std::shared_ptr<Form> load(const std::string& relative) { return Form::load(desktop, kSourceDir + "/" + relative); }

  // The line of the control named NAME, without its indentation.
  static std::string line_of(Form& form, const std::string& name) {
    std::istringstream lines(semantic_tree(form));
    for (std::string line; std::getline(lines, line);)
      if (line.find('"' + name + '"') != std::string::npos) return line.substr(line.find_first_not_of(' '));
    return "no line for " + name;
  }

  void press_at(const Element& control, Point at) {
    const Point origin = control.screen_origin();
    desktop.mouse_move({origin.x + at.x, origin.y + at.y});
    desktop.mouse_down(mouse_button::Left);
  }

  QuietDesktop quiet;
  Desktop& desktop = quiet.desktop();
};

TEST_F(SemanticTree, CaptionsLoseTheirMarkersButKeepLiteralAmpersands) {
  const auto form = load("tests/tree/captions.frm");
  EXPECT_EQ(semantic_tree(*form),
            "label \"Say \\\"hi\\\" to C:\\\\Tom & Jerry\" key=j\n"
            "label \"Fish && &Chips\"\n"  // UseMnemonic off: shown as written, and no key
            "label \"Gone\" hidden\n"
            "textbox \"Secret\" value=\"*******\" focused\n");  // masked; the timer has no line
}

TEST_F(SemanticTree, ADisabledFrameDisablesWhatItHolds) {
  const auto form = load("tests/tree/disabled_frame.frm");
  EXPECT_EQ(semantic_tree(*form),
            "group \"Outer\" disabled\n"
            "  checkbox \"Still enabled\" value=unchecked disabled\n");
}

TEST_F(SemanticTree, FocusFollowsTabIntoTheControlHoldingTheField) {
  const auto form = load("examples/gallery.frm");
  desktop.tab(false);
  EXPECT_EQ(line_of(*form, "Fett"), "checkbox \"Fett\" value=checked");
  EXPECT_EQ(line_of(*form, "Kursiv"), "checkbox \"Kursiv\" value=unchecked focused");
  for (int i = 0; i < 3; ++i) desktop.tab(false);
  EXPECT_EQ(line_of(*form, "NameText"), "textbox \"NameText\" value=\"Opaline\" focused");
}

TEST_F(SemanticTree, WindowIsActiveOnlyWhileItsFormIs) {
  const auto form = load("examples/gallery.frm");
  EXPECT_EQ(line_of(*form, "OpalineKit gallery"), "window \"OpalineKit gallery\" active");
  desktop.activate(nullptr);
  EXPECT_EQ(line_of(*form, "OpalineKit gallery"), "window \"OpalineKit gallery\"");
}

TEST_F(SemanticTree, CheckBoxValueNamesEachStateAndAnUnknownOneAsSet) {
  const auto form = load("examples/gallery.frm");
  auto& box = form->control<chk_Opaline_CheckBox>("ItalicCheck");
  const std::pair<int, const char*> cases[] = {{1, "checked"}, {2, "mixed"}, {0, "unchecked"}, {7, "7"}};
  for (const auto& [value, shown] : cases) {
    box.put_Value(value);
    EXPECT_EQ(line_of(*form, "Kursiv"), std::string("checkbox \"Kursiv\" value=") + shown);
  }
}

TEST_F(SemanticTree, ValuesAndStatesFollowWhatTheSkinsShow) {
  const auto form = load("examples/gallery.frm");
  auto tabs = form->find_control("Tabs");
  press_at(*tabs, {300, 20});  // on the second tab
  desktop.mouse_up(mouse_button::Left);
  EXPECT_EQ(line_of(*form, "Tabs"), "tablist \"Tabs\" value=\"Caption2\" focused");

  auto ok = form->find_control("OkButton");
  press_at(*ok, {10, 10});
  desktop.advance(20);
  EXPECT_EQ(line_of(*form, "OK"), "button \"OK\" focused pressed");
  desktop.mouse_up(mouse_button::Left);
  desktop.advance(20);
  EXPECT_EQ(line_of(*form, "OK"), "button \"OK\" focused");
}

}  // namespace
}  // namespace okit
