// The contact sheet renders exactly its goldens at 1x and 2x, so a change to
// any control's look, the forced looks or the sheet's layout shows up here;
// and bad arguments are refused before anything is written.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/sheet_command.h"
#include "backend/headless/png_file.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

class ContactSheet : public ::testing::Test {
 protected:
  testing::TempDir temp_{"okit_sheet"};
  const fs::path& dir_ = temp_.path();

  // Renders the sheet and compares it pixel for pixel with the golden, a path
  // in the source tree.
  void expect_matches_golden(const std::vector<std::string>& scale_args, const std::string& golden) {
    const std::string actual_path = (dir_ / fs::path(golden).filename()).string();
    std::vector<std::string> args{"sheet", "-o", actual_path};
    args.insert(args.end(), scale_args.begin(), scale_args.end());
    std::ostringstream out, err;
    ASSERT_EQ(sheet_command(args, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "okit: rendered " + actual_path + "\n");

    const auto expected = read_png(std::string(OKIT_SOURCE_DIR) + "/" + golden);
    const auto actual = read_png(actual_path);
    ASSERT_TRUE(expected.has_value()) << expected.error().to_string();
    ASSERT_TRUE(actual.has_value()) << actual.error().to_string();
    ASSERT_EQ(actual->width, expected->width);
    ASSERT_EQ(actual->height, expected->height);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < actual->pixels.size(); ++i) differing += actual->pixels[i] != expected->pixels[i];
    EXPECT_EQ(differing, 0u) << differing << " pixels differ from " << golden << "; the new image is "
                             << actual_path << " (kept only while the test runs)";
  }

};

// The README shows the sheet too; tools/refresh-goldens.sh renews all three.
TEST_F(ContactSheet, MatchesItsGoldensAtOneAndTwoTimesAndTheReadmePicture) {
  expect_matches_golden({}, "tests/golden/sheet.png");
  expect_matches_golden({"--scale", "2"}, "tests/golden/sheet_2x.png");
  expect_matches_golden({}, "docs/images/sheet.png");
}

TEST_F(ContactSheet, BadArgumentsExitTwoWithUsageAndWriteNothing) {
  const std::string target = (dir_ / "never.png").string();
  const std::vector<std::vector<std::string>> bad = {
      {"sheet", "-o", target, "--scale", "0"},
      {"sheet", "-o", target, "--scale", "2x"},
      {"sheet", "-o", target, "--scale"},
      {"sheet", "-o"},
      {"sheet", "-o", target, "extra.frm"},
      {"sheet", "--state", "hover", "-o", target},
  };
  for (const auto& args : bad) {
    std::ostringstream out, err;
    EXPECT_EQ(sheet_command(args, out, err), 2) << args.back();
    EXPECT_NE(err.str().find("usage: okit sheet"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
  }
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace okit
