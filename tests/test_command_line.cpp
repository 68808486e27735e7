// The command line's help, version and usage conventions, and the bash
// completion script held against the same command table.

#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/usage.h"
#include "host/user_control.h"
#include "okit_command.h"

namespace okit {
namespace {

using testing::CommandResult;
constexpr auto* run = testing::run_okit;

// The option names a command's help lists ("-o OUT.png" gives "-o"), plus
// --help, which every command takes.
std::set<std::string> option_names(const CommandHelp& command) {
  std::set<std::string> names{"--help"};
  for (const OptionHelp& option : command.options)
    if (option.name.starts_with("-")) names.insert(std::string(option.name.substr(0, option.name.find(' '))));
  return names;
}

TEST(CommandLineHelp, EveryWayOfAskingPrintsToStandardOutputAndSucceeds) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}}) {
    const CommandResult result = run(args);
    EXPECT_EQ(result.status, 0) << args[0];
    EXPECT_EQ(result.err, "") << args[0];
    for (const CommandHelp& command : command_helps())
      EXPECT_NE(result.out.find("\n  " + std::string(command.name) + " "), std::string::npos) << command.name;
  }
  for (const CommandHelp& command : command_helps()) {
    const std::string name(command.name);
    const CommandResult asked = run({"help", name});
    EXPECT_EQ(asked.status, 0) << name;
    EXPECT_EQ(asked.err, "") << name;
    EXPECT_TRUE(asked.out.starts_with("Usage: okit " + std::string(command.synopsis) + "\n")) << asked.out;
    for (const OptionHelp& option : command.options)
      EXPECT_NE(asked.out.find("\n  " + std::string(option.name)), std::string::npos) << name << " " << option.name;
    // Help wins over whatever else is on the line, even arguments that would
    // be wrong.
    for (const auto& args : std::vector<std::vector<std::string>>{{name, "--help"}, {name, "no-such.frm", "-h"}}) {
      const CommandResult result = run(args);
      EXPECT_EQ(result.status, 0) << name;
      EXPECT_EQ(result.out, asked.out) << name;
      EXPECT_EQ(result.err, "") << name;
    }
  }
}

TEST(CommandLineHelp, VersionIsTheOnlyLine) {
  const CommandResult result = run({"--version"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(std::regex_match(result.out, std::regex("okit 8\\.0\\.[0-9]+\n"))) << result.out;
  EXPECT_EQ(result.err, "");
}

TEST(CommandLineHelp, WrongUsageIsAShortUsageOnStandardErrorWithStatusTwo) {
  const std::vector<std::vector<std::string>> wrong{
      {}, {"bogus"}, {"--version", "extra"}, {"help", "bogus"}, {"help", "run", "render"},
      {"render"}, {"script"}, {"run", "a.frm", "b.frm"}, {"sheet", "--scale", "0"}, {"design"}, {"check", "--yaml"}};
  for (const auto& args : wrong) {
    const CommandResult result = run(args);
    const std::string line = args.empty() ? "(nothing)" : args[0];
    EXPECT_EQ(result.status, 2) << line;
    EXPECT_EQ(result.out, "") << line;
    EXPECT_NE(result.err.find("usage: okit "), std::string::npos) << line << ": " << result.err;
    EXPECT_LT(std::count(result.err.begin(), result.err.end(), '\n'), 14) << line << ": not short";
  }
  // A command's own usage names that command only.
  EXPECT_NE(run({"render"}).err.find("usage: okit render FORM -o OUT.png"), std::string::npos);
}

// Asks the completion script what it offers after the words given, the last
// being the word under the cursor.
std::set<std::string> completions(const std::string& words) {
  const std::string command = "bash -c 'source " OKIT_SOURCE_DIR "/app/completion/okit.bash; COMP_WORDS=(" + words +
                              "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _okit; printf \"%s\\n\" \"${COMPREPLY[@]}\"'";
  std::set<std::string> offered;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return offered;
  std::array<char, 256> line{};
  while (std::fgets(line.data(), line.size(), pipe)) {
    std::string word(line.data());
    if (!word.empty() && word.back() == '\n') word.pop_back();
    if (!word.empty()) offered.insert(word);
  }
  pclose(pipe);
  return offered;
}

TEST(CommandLineCompletion, OffersWhatTheHelpDescribes) {
  std::set<std::string> commands{"--help", "--version"};
  for (const CommandHelp& command : command_helps()) commands.insert(std::string(command.name));
  EXPECT_EQ(completions("okit \"\""), commands);
  EXPECT_EQ(completions("okit re"), (std::set<std::string>{"render"}));
  for (const CommandHelp& command : command_helps()) {
    if (command.name == "help") continue;
    EXPECT_EQ(completions("okit " + std::string(command.name) + " -"), option_names(command)) << command.name;
  }
  const std::set<std::string> looks = completions("okit render f.frm --state \"\"");
  EXPECT_EQ(looks.size(), 6u);
  for (const std::string& look : looks) EXPECT_TRUE(parse_forced_look(look)) << look;
}

TEST(CommandLineCompletion, FormArgumentsOfferFormFilesAndFolders) {
  const std::set<std::string> offered = completions("okit run " OKIT_SOURCE_DIR "/examples/");
  EXPECT_TRUE(offered.contains(OKIT_SOURCE_DIR "/examples/gallery.frm"));
  EXPECT_TRUE(offered.contains(OKIT_SOURCE_DIR "/examples/login"));
  for (const std::string& path : offered)
    EXPECT_TRUE(path.ends_with(".frm") || std::filesystem::is_directory(path)) << path;
}

}  // namespace
}  // namespace okit
