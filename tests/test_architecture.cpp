// The layers' boundaries, checked on the sources: every include points to the
// layer itself or one it may use (the host to none, the library to no
// control), and the command line and designer reach controls only through
// records and descriptions, so they do not even name a control class.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
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

// Each layer and the layers its files may include besides their own; the
// build compiles each layer against exactly these (cmake/layers.cmake), and
// docs/architecture.md draws them.
const std::vector<std::pair<std::string, std::set<std::string>>> kLayers = {
    {"host", {}},
    {"text_engine", {"host"}},
    {"accessibility", {"host"}},
    {"window_services", {"host"}},
    {"library", {"host"}},
    {"controls", {"host", "window_services", "library"}},
    {"backend/headless", {"host"}},
    {"backend/sdl", {"host"}},
    {"api", {"host", "window_services", "library", "controls", "backend/headless", "backend/sdl"}},
    {"app", {"host", "library", "api", "backend/headless", "backend/sdl"}},
};

// The layer an include path belongs to: "backend/sdl/x.h" is backend/sdl,
// "host/paint/y.h" is host; empty for a path outside the layers.
std::string layer_of(const std::string& include) {
  for (const auto& [layer, uses] : kLayers)
    if (include.starts_with(layer + "/")) return layer;
  return "";
}

// Every repository include of every header and source in every layer that
// reaches a layer it may not use, as FILE:LINE: include.
TEST(Architecture, EveryIncludePointsToALayerBelow) {
  static const std::regex include_line(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<std::string> broken;
  for (const auto& [layer, uses] : kLayers) {
    for (const Source& source : sources_under(layer)) {
      std::istringstream lines(source.text);
      std::string line;
      for (int number = 1; std::getline(lines, line); ++number) {
        std::smatch match;
        if (!std::regex_search(line, match, include_line)) continue;
        const std::string used = layer_of(match[1]);
        if (!used.empty() && used != layer && !uses.contains(used))
          broken.push_back(source.path + ":" + std::to_string(number) + ": " + layer + " may not include " +
                           std::string(match[1]));
      }
    }
  }
  EXPECT_TRUE(broken.empty()) << ::testing::PrintToString(broken);
}

TEST(Architecture, AppNamesNoControlClassAndIncludesNoControlHeader) {
  const auto records = class_registry().records();
  ASSERT_FALSE(records.empty());
  for (const Source& source : sources_under("app")) {
    for (const ControlRecord* record : records)
      EXPECT_EQ(source.text.find(record->class_name), std::string::npos) << source.path << " names "
                                                                          << record->class_name;
  }
}

}  // namespace
}  // namespace okit
