// The headless designer: edits build the form file they should, undo and redo
// restore it exactly, a failing put changes nothing, and the modified flag
// follows edits, saves and undo.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/designer/design_script.h"
#include "app/designer/designer.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class DesignerTest : public ::testing::Test {
 protected:
  testing::TempDir temp_{"okit_designer"};
  const fs::path& dir_ = temp_.path();
};

constexpr const char* kDialog = R"(VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Dialog
   Caption         =   "Dialog"
   ClientHeight    =   3600
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   4800
   Begin OpalineKit.fam_Opaline_Framebordder Frame1
      Height          =   1800
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   3175
      Enabled         =   -1  'True
      BackColor       =   14215660
      Begin OpalineKit.cmd_Opaline_Button Command1
         Height          =   315
         Left            =   600
         TabIndex        =   1
         Top             =   480
         Width           =   1320
         _ExtentX        =   2328
         _ExtentY        =   556
         Caption         =   "OK"
      End
   End
End
)";

// A frame with a button inside, moved and sized on the 8 px grid: 20,30 snaps
// to 24,32; moving by 13,3 lands on 40,32; a width of 90 snaps to 88.
void build_dialog(Designer& d) {
  d.start_new("Dialog");
  EXPECT_EQ(d.place("fam_Opaline_Framebordder", "", 10, 10, Size{200, 120}), "Frame1");
  EXPECT_EQ(d.place("cmd_Opaline_Button", "", 20, 30, std::nullopt, "Frame1"), "Command1");
  d.move(13, 3);
  d.resize(90, 21);
  d.set("Command1", "Caption", Value("OK"));
}

TEST_F(DesignerTest, EditsBuildTheFormFileAndUndoRedoRestoreItExactly) {
  Designer d;
  build_dialog(d);
  const fs::path path = dir_ / "Dialog.frm";
  ASSERT_TRUE(d.save(path.string()));
  EXPECT_EQ(read_file(path), kDialog);

  // Undo the caption, then the resize: the button is back at its snapped
  // width; redo brings both back byte for byte.
  const std::string built = d.text();
  ASSERT_TRUE(d.undo());
  EXPECT_EQ(d.get("Command1", "Caption").to_string(), "&Opal Button");
  ASSERT_TRUE(d.undo());
  EXPECT_NE(d.get("Command1", "Width").to_double(), 88 * 15.0);
  ASSERT_TRUE(d.redo());
  ASSERT_TRUE(d.redo());
  EXPECT_FALSE(d.redo());
  EXPECT_EQ(d.text(), built);
  EXPECT_EQ(d.selection(), std::vector<std::string>{"Command1"});

  // A new edit after undo drops what could have been redone.
  ASSERT_TRUE(d.undo());
  d.set("Command1", "Caption", Value("Cancel"));
  EXPECT_FALSE(d.redo());
}

TEST_F(DesignerTest, NamesNudgesNestingAndDeleteUndo) {
  Designer d;
  d.start_new("Form1");
  EXPECT_EQ(d.place("chk_Opaline_CheckBox", "", 0, 0), "Check1");
  EXPECT_EQ(d.place("chk_Opaline_CheckBox", "", 0, 40), "Check2");
  EXPECT_THROW(d.place("CommandButton", "check1", 0, 80), RuntimeError);
  EXPECT_THROW(d.place("CommandButton", "Form1", 0, 80), RuntimeError);

  // One pixel, then to the next grid line, then back to the one before.
  d.nudge(Direction::Right, false);
  EXPECT_EQ(d.get("Check2", "Left").to_double(), 15.0);
  d.nudge(Direction::Right, true);
  EXPECT_EQ(d.get("Check2", "Left").to_double(), 8 * 15.0);
  d.nudge(Direction::Left, true);
  EXPECT_EQ(d.get("Check2", "Left").to_double(), 0.0);

  // Nesting keeps the screen position: 48,48 on the form is 16,8 in a frame at 32,40.
  d.place("fam_Opaline_Framebordder", "Box", 32, 40, Size{160, 120});
  d.place("CommandButton", "Go", 48, 48);
  d.nest("Box");
  EXPECT_EQ(d.form().find_control("Go")->parent()->name(), "Box");
  EXPECT_EQ(d.get("Go", "Left").to_double(), 16 * 15.0);
  EXPECT_EQ(d.get("Go", "Top").to_double(), 8 * 15.0);
  d.select("Box", false);
  EXPECT_THROW(d.nest("Box"), RuntimeError);

  // Deleting the frame takes what it holds; undo brings both and the selection back.
  d.delete_selection();
  EXPECT_EQ(d.form().find_control("Go"), nullptr);
  EXPECT_TRUE(d.selection().empty());
  ASSERT_TRUE(d.undo());
  EXPECT_NE(d.form().find_control("Go"), nullptr);
  EXPECT_EQ(d.selection(), std::vector<std::string>{"Box"});
}

TEST_F(DesignerTest, AFailingPutLeavesTheDocumentAsItWas) {
  Designer d;
  build_dialog(d);
  const std::string before = d.text();
  try {
    d.set("Command1", "Width", Value(-5));
    FAIL() << "a negative width was accepted";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::InvalidPropertyValue);
    EXPECT_STREQ(error.what(), "Invalid property value");
  }
  EXPECT_THROW(d.set("Command1", "NoSuchThing", Value(1)), RuntimeError);
  EXPECT_THROW(d.set("Nobody", "Caption", Value("x")), RuntimeError);
  EXPECT_EQ(d.text(), before);
  // The failed edits left no undo steps: one undo takes back the caption.
  ASSERT_TRUE(d.undo());
  EXPECT_EQ(d.get("Command1", "Caption").to_string(), "&Opal Button");
}

TEST_F(DesignerTest, ModifiedFollowsEditsSavesAndUndo) {
  Designer d;
  d.start_new("Dialog", (dir_ / "Dialog.frm").string());
  EXPECT_FALSE(d.modified());
  EXPECT_EQ(d.title(), "Dialog - okit design");
  d.place("cmd_Opaline_Button", "", 8, 8);
  EXPECT_EQ(d.title(), "Dialog - okit design *");
  ASSERT_TRUE(d.save());
  EXPECT_FALSE(d.modified());

  d.set("Command1", "Caption", Value("Go"));
  EXPECT_TRUE(d.modified());
  ASSERT_TRUE(d.undo());  // back to what was saved
  EXPECT_FALSE(d.modified());
  ASSERT_TRUE(d.undo());  // further back than the save
  EXPECT_TRUE(d.modified());

  // A control reporting a change of its own marks the form too.
  ASSERT_TRUE(d.redo());
  EXPECT_FALSE(d.modified());
  d.property_changed(*d.form().find_control("Command1"), "Caption");
  EXPECT_TRUE(d.modified());

  // Reopening the saved file starts unmodified.
  Designer reopened;
  ASSERT_TRUE(reopened.open((dir_ / "Dialog.frm").string()));
  EXPECT_FALSE(reopened.modified());
}

// Runs tests/designer/SCRIPT.dsn on a new Dialog.frm and compares what it
// prints with SCRIPT.out (DIR standing for the scratch folder). Both scripts
// show errors on purpose, so both exit with 1.
std::string run_script(const fs::path& dir, const std::string& script) {
  const std::string source = OKIT_SOURCE_DIR;
  std::ostringstream out, err;
  EXPECT_EQ(run_command_line({"design", (dir / "Dialog.frm").string(), "--script",
                              source + "/tests/designer/" + script + ".dsn"},
                             out, err),
            1);
  std::string expected = read_file(source + "/tests/designer/" + script + ".out");
  expected.replace(expected.find("DIR"), 3, dir.string());
  EXPECT_EQ(out.str(), expected);
  EXPECT_EQ(err.str(), "");
  return read_file(dir / "Dialog.frm");
}

TEST_F(DesignerTest, ScriptRunsThroughTheCommandLine) {
  // The button stayed where it was placed, with the caption set before the error.
  EXPECT_NE(run_script(dir_, "build_form").find("Caption         =   \"OK\""), std::string::npos);
}

TEST_F(DesignerTest, PropertyGridScriptEditsByTypeAndRefusalsChangeNothing) {
  const std::string saved = run_script(dir_, "property_grid");
  EXPECT_NE(saved.find("Value           =   2"), std::string::npos);
  EXPECT_NE(saved.find("ForeColor       =   -2147483635"), std::string::npos);  // Highlight
  EXPECT_EQ(saved.find("Width           =   -"), std::string::npos);
}

TEST_F(DesignerTest, BadScriptsAndFormsAreRefusedWithWhereAndWhat) {
  const auto problem = [](std::string_view text) {
    auto parsed = parse_design_script(text, "s.dsn");
    return parsed ? std::string("accepted") : parsed.error().to_string();
  };
  EXPECT_EQ(problem("title\nfly 1 2\n"), "s.dsn:2: unknown command: fly");
  EXPECT_EQ(problem("move 1 x\n"), "s.dsn:1: move: not a whole number: x");
  EXPECT_EQ(problem("place Label A 1\n"), "s.dsn:1: place: expected place CLASS [NAME] X Y [W H] [in CONTAINER]");
  EXPECT_EQ(problem("nudge sideways\n"), "s.dsn:1: nudge: not a direction: sideways");
  EXPECT_EQ(problem("set A.Caption \"open\n"), "s.dsn:1: unterminated string");
  EXPECT_EQ(problem("grid 0\n"), "s.dsn:1: grid: not a grid size (1 to 1000 pixels): 0");
  EXPECT_EQ(problem("move 1 2 into F\n"), "s.dsn:1: move: expected move DX DY [in CONTAINER]");
  EXPECT_EQ(problem("enter Caption OK\n"), "s.dsn:1: enter: expected enter NAME.PROP TEXT");
  EXPECT_EQ(problem("# comment\nplace Label 1 2 3 4 in F\nselect none\n"), "accepted");

  std::ostringstream out, err;
  EXPECT_EQ(run_command_line({"design", (dir_ / "two words.frm").string(), "--script", "/dev/null"}, out, err), 2);
  EXPECT_NE(err.str().find("\"two words\" is not a name"), std::string::npos);
  err.str("");
  // Without a display the window cannot open, and nothing is written.
  const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
  ::unsetenv("DISPLAY");
  EXPECT_EQ(run_command_line({"design", (dir_ / "F.frm").string()}, out, err), 2);
  if (!display.empty()) ::setenv("DISPLAY", display.c_str(), 1);
  EXPECT_NE(err.str().find("no display available"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "F.frm"));
}

}  // namespace
}  // namespace okit
