// The folders' boundaries, checked on the sources: the host includes no other
// folder of the repository, the library includes no control, and the command
// line and designer reach controls only through records and descriptions, so
// they neither include a control's header nor name a control class.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "library/class_registry.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = OKIT_SOURCE_DIR;

struct Source {
  std::string path;  // relative to the repository
  std::string text;
};

std::vector<Source> sources_under(const std::string& folder) {
  std::vector<Source> out;
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / folder)) {
    const auto extension = entry.path().extension();
    if (extension != ".h" && extension != ".cpp") continue;
    std::ostringstream text;
    text << std::ifstream(entry.path()).rdbuf();
    out.push_back({fs::relative(entry.path(), kSourceDir).string(), text.str()});
  }
  return out;
}

// The repository folders a source includes from ("host", "library", ...).
std::vector<std::string> included_folders(const std::string& text) {
  static const std::regex include(R"re(#include "([a-z_]+)/)re");
  std::vector<std::string> folders;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), include); it != std::sregex_iterator(); ++it)
    folders.push_back((*it)[1]);
  return folders;
}

TEST(Architecture, HostIncludesNoOtherFolder) {
  for (const Source& source : sources_under("host"))
    for (const std::string& folder : included_folders(source.text)) EXPECT_EQ(folder, "host") << source.path;
}

TEST(Architecture, LibraryIncludesNoControl) {
  for (const Source& source : sources_under("library"))
    for (const std::string& folder : included_folders(source.text)) EXPECT_NE(folder, "controls") << source.path;
}

TEST(Architecture, AppNamesNoControlClassAndIncludesNoControlHeader) {
  const auto records = class_registry().records();
  ASSERT_FALSE(records.empty());
  for (const Source& source : sources_under("app")) {
    for (const std::string& folder : included_folders(source.text)) EXPECT_NE(folder, "controls") << source.path;
    for (const ControlRecord* record : records)
      EXPECT_EQ(source.text.find(record->class_name), std::string::npos) << source.path << " names "
                                                                          << record->class_name;
  }
}

}  // namespace
}  // namespace okit
