// Scaled output stays sharp: at a whole scale N every pixel of the form
// becomes an N x N block of the same colour, skins and text alike, so edges
// and glyphs are never blurred or unevenly widened.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "app/render_command.h"
#include "backend/headless/png_file.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

// How many pixels of `big` differ from the N x N block enlargement of `small`.
int differences_from_blocks(const RgbPixels& small, const RgbPixels& big, int n) {
  if (big.width != small.width * n || big.height != small.height * n) return -1;
  int differing = 0;
  for (int y = 0; y < big.height; ++y)
    for (int x = 0; x < big.width; ++x)
      if (big.pixels[static_cast<std::size_t>(y) * big.width + x] !=
          small.pixels[static_cast<std::size_t>(y / n) * small.width + x / n])
        ++differing;
  return differing;
}

TEST(Scaling, WholeScalesMakeEveryPixelABlock) {
  const fs::path dir = fs::temp_directory_path() / ("okit_scaling_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string form = OKIT_SOURCE_DIR "/examples/gallery.frm";
  std::ostringstream errors;
  ASSERT_EQ(render_form(form, (dir / "x1.png").string(), "", 1, errors), 0) << errors.str();
  const auto one = read_png((dir / "x1.png").string());
  ASSERT_TRUE(one.has_value());
  for (int n : {2, 3}) {
    const fs::path scaled = dir / std::string("x").append(std::to_string(n)).append(".png");
    ASSERT_EQ(render_form(form, scaled.string(), "", n, errors), 0) << errors.str();
    const auto big = read_png(scaled.string());
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(differences_from_blocks(*one, *big, n), 0) << "scale " << n;
  }
  fs::remove_all(dir);
}

TEST(Scaling, TheContactSheetGoldensAgree) {
  const auto one = read_png(OKIT_SOURCE_DIR "/tests/golden/sheet.png");
  const auto two = read_png(OKIT_SOURCE_DIR "/tests/golden/sheet_2x.png");
  ASSERT_TRUE(one.has_value() && two.has_value());
  EXPECT_EQ(differences_from_blocks(*one, *two, 2), 0);
}

}  // namespace
}  // namespace okit
