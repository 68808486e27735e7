// Skin folders: okit skins lists what the looks need and judges a folder
// file by file, and a folder in use re-skins the controls created after it
// while every unusable file falls back to the built-in image with a warning.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/skins_command.h"
#include "host/bmp.h"
#include "host/elements/image.h"
#include "host/skins.h"
#include "library/class_registry.h"
#include "okit_command.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

using testing::CommandResult;
constexpr auto* run = testing::run_okit;

void write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

Bitmap solid(int width, int height, std::uint32_t colour) {
  return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

// A 1 x 1 file with an 8-bit palette: one the reader decodes but a skin
// folder refuses.
std::vector<std::uint8_t> paletted_bmp() {
  std::vector<std::uint8_t> bytes(14 + 40 + 4 + 4, 0);
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bytes[0] = 'B', bytes[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, 14 + 40 + 4);
  put32(14, 40), put32(18, 1), put32(22, 1);
  bytes[26] = 1, bytes[28] = 8;
  put32(46, 1);
  return bytes;
}

// The button's image `name` as a newly created button holds it.
std::shared_ptr<const Bitmap> new_button_image(std::string_view name) {
  auto button = class_registry().create("cmd_Opaline_Button");
  auto image = std::dynamic_pointer_cast<Image>(button->find_child("pic_Objects")->find_child(name));
  return image->picture()->bitmap();
}

// A skin folder holding a copy of the built-in button images, removed again
// with the built-in skins restored after each test.
class SkinFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "button");
    for (const auto& entry : fs::directory_iterator(fs::path(OKIT_SOURCE_DIR) / "controls/button/skins")) {
      fs::copy_file(entry.path(), dir_ / "button" / entry.path().filename());
    }
  }
  void TearDown() override { use_built_in_skins(); }
  fs::path button_file(const std::string& name) const { return dir_ / "button" / (name + ".bmp"); }
  std::string dir() const { return dir_.string(); }

 private:
  testing::TempDir temp_{"okit_skins"};
  const fs::path& dir_ = temp_.path();
};

TEST(SkinList, EveryImageOnceGroupedByControl) {
  const CommandResult result = run({"skins"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out.find("button c1 7 x 21 24-bit\nbutton c2 8 x 21 24-bit\n"), 0u) << result.out;
  EXPECT_NE(result.out.find("\ntabstrip img_on 199 x 33 24-bit\n"), std::string::npos);
  EXPECT_EQ(std::ranges::count(result.out, '\n'), static_cast<long>(skin_images().size()));
}

TEST_F(SkinFolder, CheckerNamesEachProblemAndFails) {
  EXPECT_EQ(run({"skins", dir()}).status, 0) << "a faithful copy has no problems";

  fs::remove(button_file("d2"));
  write_file(button_file("d1"), encode_bmp24(solid(20, 21, 0x123456)));
  write_file(button_file("h1"), paletted_bmp());
  write_file(button_file("h2"), {'B', 'M', 1, 2});
  const CommandResult result = run({"skins", dir()});
  EXPECT_EQ(result.status, 1);
  for (const char* line : {"button d1 7 x 21 24-bit: wrong size (20 x 21, needs 7 x 21)\n",
                           "button d2 7 x 21 24-bit: missing\n", "button d3 8 x 21 24-bit: ok\n",
                           "button h1 7 x 21 24-bit: wrong depth (8-bit, needs 24-bit or 32-bit)\n",
                           "button h2 8 x 21 24-bit: unreadable: ",
                           "caption al1 54 x 20 24-bit: built-in (no " /* a missing folder is no problem */}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line << "\nin:\n" << result.out;
  }
  EXPECT_TRUE(result.out.ends_with("\n4 problems\n")) << result.out;
}

TEST_F(SkinFolder, CheckerRefusesBadArgumentsAndNonFolders) {
  EXPECT_TRUE(run({"skins", dir(), "extra"}).err.starts_with("usage: okit skins [DIR]\n"));
  EXPECT_EQ(run({"skins", "--all"}).status, 2);
  const std::string file = button_file("d1").string();
  const CommandResult result = run({"skins", file});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "okit skins: " + file + ": not a folder\n");
  std::ostringstream err;
  EXPECT_FALSE(use_skin_directory(file, err));
  EXPECT_NE(err.str().find(file), std::string::npos);
}

TEST_F(SkinFolder, NewControlsDrawFromTheFolderAndKeepBuiltInImagesForProblems) {
  const auto built_in_d1 = skin_picture("button", "d1");
  const auto built_in_d2 = skin_picture("button", "d2")->bitmap();
  Bitmap recoloured = *built_in_d1->bitmap();
  for (std::uint32_t& pixel : recoloured.pixels) pixel ^= 0xFFFFFF;
  write_file(button_file("d1"), encode_bmp24(recoloured));
  fs::remove(button_file("d2"));
  write_file(button_file("d3"), encode_bmp24(solid(9, 21, 0x123456)));

  std::ostringstream err;
  ASSERT_TRUE(use_skin_directory(dir(), err));
  const std::string d2 = button_file("d2").string(), d3 = button_file("d3").string();
  EXPECT_EQ(err.str(), "okit: warning: " + d2 + ": missing; using the built-in image\n" + "okit: warning: " + d3 +
                           ": 9 x 21 pixels, the button needs 8 x 21; using the built-in image\n");

  EXPECT_EQ(new_button_image("d1")->pixels, recoloured.pixels);
  EXPECT_EQ(new_button_image("d2")->pixels, built_in_d2->pixels);
  EXPECT_EQ(new_button_image("d3")->width, 8);
  EXPECT_NE(built_in_d1->bitmap()->pixels, recoloured.pixels) << "a picture handed out before must not change";

  use_built_in_skins();
  EXPECT_EQ(new_button_image("d1")->pixels, built_in_d1->bitmap()->pixels);
}

}  // namespace
}  // namespace okit
