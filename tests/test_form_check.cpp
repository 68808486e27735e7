// okit check on small form files: each kind of finding, the JSON document and
// the exit codes. Caption widths come from the font in use, so the tests size
// their labels from it rather than assume a face.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/form_check.h"
#include "host/font.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

struct CheckResult {
  int status;
  std::string out;
  std::string err;
};

class FormCheck : public ::testing::Test {
 protected:
  testing::TempDir temp_{"okit_check"};
  const fs::path& dir_ = temp_.path();

  // Writes a form holding `controls` and checks it.
  CheckResult check(const std::string& controls, CheckOutput output = CheckOutput::Text,
                    const std::string& name = "form.frm") {
    path_ = (dir_ / name).string();
    std::ofstream(path_) << "VERSION 5.00\nBegin Host.Form Form1\n   ClientWidth = 4800\n   ClientHeight = 3600\n"
                         << controls << "End\n";
    std::ostringstream out, err;
    const int status = check_form_file(path_, out, err, output);
    return {status, out.str(), err.str()};
  }

  std::string warning(int line, const std::string& text) const {
    return path_ + ":" + std::to_string(line) + ": warning: " + text + "\n";
  }

  std::string path_;
};

// A host label placed in pixels, 17 high unless `extra` says otherwise; it
// takes 8 lines of the file plus those of `extra`.
std::string label(const std::string& name, int left, int top, int width, const std::string& caption, int tab_index,
                  const std::string& extra = "      Height = 255\n") {
  return "   Begin Host.Label " + name + "\n      Left = " + std::to_string(left * 15) + "\n      Top = " +
         std::to_string(top * 15) + "\n      Width = " + std::to_string(width * 15) + "\n" + extra +
         "      TabIndex = " + std::to_string(tab_index) + "\n      Caption = \"" + caption + "\"\n   End\n";
}

TEST_F(FormCheck, CleanFormGivesNoOutputAndExitZero) {
  const auto result = check(label("First", 8, 8, 200, "&Name", 0) + label("Second", 8, 40, 200, "&Code", 1));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
}

TEST_F(FormCheck, UnreadableAndUnloadableFilesExitTwoWithTheirLine) {
  std::ostringstream out, err;
  EXPECT_EQ(check_form_file((dir_ / "missing.frm").string(), out, err), 2);
  EXPECT_NE(err.str().find("missing.frm:0: "), std::string::npos) << err.str();

  const auto result = check("   Begin OpalineKit.chk_Opaline_CheckBox Check1\n      Value = \"maybe\"\n   End\n");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind(path_ + ":6: ", 0), 0u) << result.err;
}

TEST_F(FormCheck, ReportsKeysAndValuesLoadingWouldLoseAtTheirLines) {
  const auto result = check(
      "   Begin OpalineKit.cmd_Opaline_Button Ok\n      Captoin = \"OK\"\n      Left = 120\n      Width = 3000\n   End\n" +
      label("Note", 8, 60, 200, "x", 1, "      Height = 255\n      Alignment = 1.5\n") +
      "   Begin Host.Label Wide\n      Left = 120\n      Top = 1500\n      Width = 600\n      Height = 255\n"
      "      TabIndex = 2.5\n   End\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, warning(6, "unknown property Captoin of Ok") +
                            warning(15, "value 1.5 of Alignment is not a whole number") +
                            warning(24, "value 2.5 of TabIndex is not a whole number"));
}

// A string holding control characters other than tab loads as it is, but
// text shows them as nothing: each such value is one finding at its line,
// naming the key and each character once, among the others in line order.
TEST_F(FormCheck, ReportsStringsHoldingControlCharacters) {
  const auto result = check(label("Bell", 8, 8, 200, "ring\a", 0) + label("Fine", 8, 40, 200, "tab\there", 1) +
                            label("Lines", 8, 72, 200, "a\" & Chr(13) & Chr(10) & \"b\x1B\r", 1));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, warning(11, "Caption of Bell holds the control character U+0007") +
                            warning(21, "Lines has TabIndex 1, as Fine does") +
                            warning(27, "Caption of Lines holds the control characters U+000D, U+000A, U+001B"));

  const auto json = check("   Caption = \"Ding\xC2\x87\"\n", CheckOutput::Json);
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out, "{\"file\": \"" + path_ +
                          "\", \"problems\": [\n  {\"line\": 5, \"kind\": \"control-character\", \"control\": \"Form1\", "
                          "\"message\": \"Caption of Form1 holds the control character U+0087\"}\n]}\n");
}

TEST_F(FormCheck, ReportsOverlapsClippingAndSharedAccessKeys) {
  const auto result = check(label("First", 8, 8, 200, "&Name", 0) + label("Second", 100, 10, 200, "&Number", 1) +
                            label("Third", 300, 100, 200, "", 2));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, warning(13, "Second overlaps First") +
                            warning(13, "Second has the access key 'n' of First") +
                            warning(21, "Third is clipped by Form1"));
}

TEST_F(FormCheck, ReportsEveryTabGapAndEachDuplicate) {
  const auto result = check(label("A", 0, 0, 50, "", 0) + label("B", 0, 20, 50, "", 0) +
                            label("C", 0, 40, 50, "", 3) + label("D", 0, 60, 50, "", 6));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, warning(2, "tab order has a gap: no control has TabIndex 1 to 2") +
                            warning(2, "tab order has a gap: no control has TabIndex 4 to 5") +
                            warning(13, "B has TabIndex 0, as A does"));
}

TEST_F(FormCheck, NamesTheSmallestScaleAtWhichACaptionStopsFitting) {
  const int width = default_font().text_width("Wide caption", false);
  const int room = (width * 125 + 99) / 100;  // exactly enough for 125%
  // Tall has room for two lines, so it wraps and only its widest word counts.
  const auto result = check(label("Wide", 8, 8, room, "Wide caption", 0) +
                            label("Tall", 8, 40, room, "Wide caption", 1, "      Height = 600\n"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, warning(5, "Wide: caption \"Wide caption\" no longer fits at 150% (needs " +
                                       std::to_string((width * 150 + 99) / 100) + " px, has " +
                                       std::to_string(room) + ")"));
}

TEST_F(FormCheck, JsonEscapesPathAndMessages) {
  const int width = default_font().text_width("Größe \"x\"", false);
  const auto result = check(label("Big", 8, 8, 1, "Größe \"\"x\"\"", 0), CheckOutput::Json, "we\"ird\\na\tme.frm");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "{\"file\": \"" + (dir_ / "we\\\"ird\\\\na\\tme.frm").string() +
                            "\", \"problems\": [\n  {\"line\": 5, \"kind\": \"caption-fit\", \"control\": \"Big\", "
                            "\"message\": \"Big: caption \\\"Größe \\\"\\\"x\\\"\\\"\\\" does not fit (needs " +
                            std::to_string(width) + " px, has 1)\"}\n]}\n");

  const auto clean = check(label("Small", 8, 8, 200, "ok", 0), CheckOutput::Json);
  EXPECT_EQ(clean.out, "{\"file\": \"" + path_ + "\", \"problems\": []}\n");
}

}  // namespace
}  // namespace okit
