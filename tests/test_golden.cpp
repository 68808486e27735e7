// Golden renders: every form listed in tests/golden/goldens.txt renders to
// exactly the committed image. A mismatch leaves the new render beside the
// build for a look (NAME.actual.png); tools/refresh-goldens.sh updates the
// goldens on purpose.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/render_command.h"
#include "backend/headless/png_file.h"

namespace okit {
namespace {

struct Golden {
  std::string form, state, image;
  int scale = 1;
};

std::vector<Golden> read_golden_list(const std::string& dir) {
  std::vector<Golden> goldens;
  std::ifstream list(dir + "/goldens.txt");
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Golden g;
    fields >> g.form >> g.state >> g.scale >> g.image;
    if (g.state == "-") g.state.clear();
    goldens.push_back(g);
  }
  return goldens;
}

TEST(Golden, EveryListedFormRendersToItsImage) {
  const std::string dir = std::string(OKIT_SOURCE_DIR) + "/tests/golden";
  const auto goldens = read_golden_list(dir);
  ASSERT_FALSE(goldens.empty());
  for (const Golden& g : goldens) {
    SCOPED_TRACE(g.image);
    const std::string actual_path = g.image.substr(0, g.image.size() - 4) + ".actual.png";
    std::ostringstream errors;
    ASSERT_EQ(render_form(dir + "/" + g.form, actual_path, g.state, g.scale, errors), 0) << errors.str();
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
