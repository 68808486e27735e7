// What the command line does with hostile files: each row of the table in
// docs/reliability.md that the command line answers is one case here. Every
// one ends in a message naming the file and line and a documented exit
// status, never a crash or a hang.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "VERSION 5.00\nBegin Host.Form F\n";

std::string repeated(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string numbered(const std::string& before, const std::string& after, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += before + std::to_string(i) + after;
  return out;
}

struct Case {
  const char* what;
  std::string command;   // "check", "render" or "script"
  std::string contents;  // written to the input file (none when empty and `missing`)
  int status;
  std::string message;  // expected in the output, after the file name
  bool missing = false;
};

std::vector<Case> cases() {
  return {
      {"missing file", "check", "", 2, ":0: cannot open file: No such file or directory", true},
      {"empty file", "check", "", 2, ":0: no 'Begin' block: the file holds no form"},
      {"binary garbage", "check", repeated(std::string("\x01\x7F\xFE garbage\n", 13), 50), 2,
       ":1: expected 'KEY = VALUE', 'Begin' or 'End'"},
      {"text that is not UTF-8", "render", kHeader + "Caption = \"\xC3(\"\nEnd\n", 2, ":3: string is not valid UTF-8"},
      {"a NUL byte", "render", kHeader + "Caption = \"a" + std::string(1, '\0') + "b\"\nEnd\n", 2,
       ":3: line contains a NUL byte"},
      {"a control character in a string", "check", kHeader + "Caption = \"\a\"\nEnd\n", 1,
       ":3: warning: Caption of F holds the control character U+0007"},
      {"blocks nested too deep", "check",
       kHeader + numbered("Begin Host.PictureBox P", "\n", 64) + repeated("End\n", 65), 2,
       ":66: blocks nest deeper than 64 levels"},
      {"a line over 64 KiB", "check", kHeader + "Caption = \"" + std::string(70000, 'x') + "\"\nEnd\n", 2,
       ":3: line is longer than 65536 bytes"},
      {"a file over 16 MiB", "check", kHeader + std::string(17 << 20, '\n') + "End\n", 2,
       ":0: file is larger than 16 MiB"},
      {"more than 10000 controls", "check", kHeader + numbered("Begin Host.Timer T", "\nEnd\n", 10001) + "End\n", 2,
       ":20003: the form holds more than 10000 controls"},
      {"a form too large for memory", "render", kHeader + "ClientWidth = 2000000000\nEnd\n", 2,
       ":3: ClientWidth is larger than the largest form (8192 pixels, 122880 twips)"},
      {"a position beyond 32 bits", "check",
       kHeader + "Begin OpalineKit.cmd_Opaline_Button B\nLeft = 99999999999\nEnd\nEnd\n", 2,
       ":4: value of Left is out of range"},
      {"a negative size", "check", kHeader + "Begin Host.Label L\nWidth = -15\nEnd\nEnd\n", 2,
       ":4: Width must not be negative"},
      {"a 16-bit key beyond 16 bits", "check", kHeader + "Begin Host.Label L\nTabIndex = 40000\nEnd\nEnd\n", 2,
       ":4: value of TabIndex is out of range"},
      {"an unknown class", "check", kHeader + "Begin OpalineKit.cmd_Nothing N\nEnd\nEnd\n", 2,
       ":3: cannot create OpalineKit.cmd_Nothing"},
      {"two controls of one name", "check", kHeader + "Begin Host.Label L\nEnd\nBegin Host.Label l\nEnd\nEnd\n", 2,
       ":5: a control named l already exists"},
      {"a script with a syntax error", "script", "form F 0 0 10 10\nfrobnicate\n", 2, ":2: unknown command 'frobnicate'"},
      {"a script asking for a form too large", "script", "form F 0 0 9000 10\n", 1, "error 380 Invalid property value"},
  };
}

class HostileInputs : public ::testing::Test {
 protected:
  testing::TempDir temp_{"okit_hostile"};
  const fs::path& dir_ = temp_.path();
};

TEST_F(HostileInputs, EachEndsInAMessageAndAnExitStatus) {
  for (const Case& c : cases()) {
    const fs::path input = dir_ / (c.command == "script" ? "input.scn" : "input.frm");
    fs::remove(input);
    if (!c.missing) std::ofstream(input, std::ios::binary) << c.contents;
    std::vector<std::string> args = {c.command, input.string()};
    if (c.command == "render") args.insert(args.end(), {"-o", (dir_ / "out.png").string()});
    std::ostringstream out, err;
    const int status = run_command_line(args, out, err);
    EXPECT_EQ(status, c.status) << c.what << "\n" << out.str() << err.str();
    const std::string said = out.str() + err.str();
    EXPECT_NE(said.find(c.message), std::string::npos) << c.what << ": said\n" << said.substr(0, 500);
  }
}

TEST_F(HostileInputs, RenderingIntoAMissingFolderLeavesNothingAndSaysWhere) {
  const fs::path form = fs::path(OKIT_SOURCE_DIR) / "examples" / "login" / "login.frm";
  const fs::path png = dir_ / "no_such_folder" / "out.png";
  std::ostringstream out, err;
  EXPECT_EQ(run_command_line({"render", form.string(), "-o", png.string()}, out, err), 2);
  EXPECT_EQ(err.str().rfind(png.string() + ":0: ", 0), 0u) << err.str();
  EXPECT_FALSE(fs::exists(png.parent_path()));
}

}  // namespace
}  // namespace okit
