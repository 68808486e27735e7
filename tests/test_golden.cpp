// Golden renders: every form listed in tests/golden/goldens.txt renders to
// exactly the committed image, and every listed scenario snapshots exactly
// it. A mismatch leaves the new image for a look (NAME.actual.png: beside the
// build for a form, beside the scenario for a scenario); tools/refresh-goldens.sh
// updates the goldens on purpose.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/render_command.h"
#include "app/scenario_runner.h"
#include "backend/headless/png_file.h"

namespace okit {
namespace {

struct Golden {
  std::string source, state, image;  // source: a form file, or a scenario (.scn)
  int scale = 1;
  int line = 0;
  bool is_scenario() const { return source.ends_with(".scn"); }
  std::string actual_image() const { return image.substr(0, image.size() - 4) + ".actual.png"; }
};

std::vector<Golden> read_golden_list(const std::string& dir) {
  std::vector<Golden> goldens;
  std::ifstream list(dir + "/goldens.txt");
  std::string line;
  for (int number = 1; std::getline(list, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Golden g;
    g.line = number;
    fields >> g.source >> g.state >> g.scale >> g.image;
    if (!fields || !g.image.ends_with(".png")) {
      ADD_FAILURE() << "goldens.txt:" << number << ": expected SOURCE STATE SCALE IMAGE.png, got '" << line << "'";
      continue;
    }
    if (g.state == "-") g.state.clear();
    goldens.push_back(g);
  }
  return goldens;
}

// Makes the golden's new image and returns where it is. A scenario writes it
// itself with its closing snapshot; an old one is removed first, so that a
// scenario that no longer takes its snapshot fails instead of passing on a
// stale file.
std::string produce_actual(const Golden& g, const std::string& dir) {
  std::ostringstream out, errors;
  if (!g.is_scenario()) {
    // In the working folder, whatever folder the golden itself lives in.
    const std::string actual_path = std::filesystem::path(g.actual_image()).filename().string();
    EXPECT_EQ(render_form(dir + "/" + g.source, actual_path, g.state, g.scale, errors), 0) << errors.str();
    return actual_path;
  }
  const std::string actual_path = dir + "/" + g.actual_image();
  EXPECT_TRUE(g.state.empty() && g.scale == 1)
      << "goldens.txt:" << g.line << ": a scenario takes state - and scale 1; its snapshot decides the look";
  std::remove(actual_path.c_str());
  EXPECT_EQ(run_scenario_file(dir + "/" + g.source, out, errors), 0) << errors.str() << out.str();
  return actual_path;
}

TEST(Golden, EveryListedFormAndScenarioMakesItsImage) {
  const std::string dir = std::string(OKIT_SOURCE_DIR) + "/tests/golden";
  const auto goldens = read_golden_list(dir);
  ASSERT_FALSE(goldens.empty());
  for (const Golden& g : goldens) {
    SCOPED_TRACE(g.image);
    const std::string actual_path = produce_actual(g, dir);
    const auto expected = read_png(dir + "/" + g.image);
    const auto actual = read_png(actual_path);
    ASSERT_TRUE(expected.has_value()) << expected.error().to_string();
    ASSERT_TRUE(actual.has_value()) << actual.error().to_string();
    EXPECT_EQ(actual->width, expected->width);
    EXPECT_EQ(actual->height, expected->height);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < std::min(actual->pixels.size(), expected->pixels.size()); ++i)
      differing += actual->pixels[i] != expected->pixels[i];
    EXPECT_EQ(differing, 0u) << "see " << actual_path;
    if (differing == 0 && actual->width == expected->width && actual->height == expected->height)
      std::remove(actual_path.c_str());
  }
}

}  // namespace
}  // namespace okit
