// The skins compiled into the library: the images show the colours the looks
// are built from, and every lookup of an image shares one picture. Their sizes
// are held by the golden renders rather than retyped here.

#include <gtest/gtest.h>

#include "host/skins.h"
#include "host_testing.h"

namespace okit {
namespace {

const Bitmap& skin(std::string_view control, std::string_view name) {
  return *skin_picture(control, name)->bitmap();
}

std::uint32_t pixel(const Bitmap& bitmap, int x, int y) {
  return bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
}

TEST(Skins, ButtonPiecesJoinIntoARoundedOutline) {
  const Bitmap& middle = skin("button", "d2");
  for (int x = 0; x < middle.width; ++x) {
    EXPECT_EQ(pixel(middle, x, 0), 0x003C74u) << x;
    EXPECT_EQ(pixel(middle, x, 20), 0x003C74u) << x;
  }
  EXPECT_EQ(pixel(skin("button", "d1"), 0, 10), 0x003C74u);
  EXPECT_EQ(pixel(skin("button", "d3"), 7, 10), 0x003C74u);
  EXPECT_EQ(pixel(skin("button", "d2"), 3, 1), 0xFFFFFFu);
  EXPECT_EQ(pixel(skin("button", "e2"), 3, 10), 0xF5F4EAu);
  EXPECT_EQ(pixel(skin("button", "h2"), 3, 19), 0xE59700u);
  // The outermost corner pixels are the window background the button sits on.
  for (const char* set : {"d", "h", "c", "f", "e"}) {
    const Bitmap& left = skin("button", std::string(set) + "1");
    const Bitmap& right = skin("button", std::string(set) + "3");
    EXPECT_EQ(pixel(left, 0, 0), 0xECE9D8u) << set;
    EXPECT_EQ(pixel(left, 0, 20), 0xECE9D8u) << set;
    EXPECT_EQ(pixel(right, 7, 0), 0xECE9D8u) << set;
    EXPECT_EQ(pixel(right, 7, 20), 0xECE9D8u) << set;
  }
}

TEST(Skins, ButtonMiddlePiecesStretchWithoutChangingTheFace) {
  for (const char* name : {"d2", "h2", "c2", "f2", "e2"}) {
    const Bitmap& middle = skin("button", name);
    for (int y = 0; y < middle.height; ++y) {
      for (int x = 1; x < middle.width - 1; ++x) ASSERT_EQ(pixel(middle, x, y), pixel(middle, 0, y)) << name;
    }
  }
}

TEST(Skins, TextBoxAndCheckBoxShowTheirBorderColours) {
  const Bitmap& left = skin("textbox", "d1");
  for (int y = 0; y < 21; ++y) EXPECT_EQ(pixel(left, 0, y), 0x7F9DB9u) << y;
  EXPECT_EQ(pixel(left, 0, 0), pixel(left, 4, 0));
  EXPECT_EQ(pixel(left, 2, 10), 0xFFFFFFu);
  EXPECT_EQ(pixel(skin("textbox", "d3"), 0, 10), 0xFFFFFFu);
  EXPECT_EQ(pixel(skin("textbox", "a2"), 10, 10), 0xF5F4EAu);
  EXPECT_EQ(pixel(skin("textbox", "a3"), 1, 10), 0xC9C7BAu);

  EXPECT_EQ(pixel(skin("checkbox", "d1"), 0, 0), 0x1C5180u);
  EXPECT_EQ(pixel(skin("checkbox", "e1"), 6, 6), 0xFFFFFFu);
  EXPECT_EQ(pixel(skin("checkbox", "a3"), 6, 6), 0x21A121u);
  // The tick's lowest point is in the third column of the glyph area.
  EXPECT_EQ(pixel(skin("checkbox", "d2"), 5, 9), 0x21A121u);
  EXPECT_NE(pixel(skin("checkbox", "d2"), 4, 9), 0x21A121u);
}

TEST(Skins, CaptionBarsCarryTheirGradientsAndEdges) {
  EXPECT_EQ(pixel(skin("caption", "am1"), 0, 0), 0x5DB3FFu);
  EXPECT_EQ(pixel(skin("caption", "am1"), 5, 19), 0x014ADFu);
  EXPECT_EQ(pixel(skin("caption", "ar1"), 45, 10), 0x081BCAu);
  EXPECT_EQ(pixel(skin("caption", "ar1"), 28, 10), 0xFFFFFFu);  // the close button's outline
  EXPECT_EQ(pixel(skin("caption", "dm3"), 40, 2), 0x4F53BCu);
  EXPECT_EQ(pixel(skin("caption", "r3"), 23, 1), 0x808080u);
}

TEST(Skins, OnlyTheTabPicturesCarryATransparentKey) {
  for (const std::string control : {"button", "caption", "checkbox", "textbox", "tabstrip"}) {
    for (const std::string& name : skin_names(control)) {
      const Bitmap& bitmap = skin(control, name);
      EXPECT_EQ(bitmap.transparent_key.has_value(), control == "tabstrip") << control << "/" << name;
    }
  }
  const Bitmap& on = skin("tabstrip", "img_on");
  EXPECT_EQ(on.transparent_key, kSkinTransparentKey);
  EXPECT_EQ(pixel(on, 0, 0), kSkinTransparentKey);      // above the slope
  EXPECT_EQ(pixel(on, 198, 10), kSkinTransparentKey);   // right of the side
  EXPECT_EQ(pixel(on, 100, 0), 0x657575u);              // the top edge
  EXPECT_EQ(pixel(on, 100, 20), 0xAAC6CEu);             // the body
  EXPECT_EQ(pixel(on, 100, 32), 0xAAC6CEu);             // open at the bottom
  EXPECT_NE(pixel(on, 198, 32), kSkinTransparentKey);   // the flare reaches the edge
  EXPECT_EQ(pixel(skin("tabstrip", "img_off"), 184, 30), 0x6D7877u);
}

TEST(Skins, LookupsShareOnePicturePerImage) {
  const auto first = skin_picture("button", "d1");
  const auto second = skin_picture("button", "d1");
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->Handle(), second->Handle());
  EXPECT_NE(skin_picture("caption", "h1")->Handle(), skin_picture("button", "h1")->Handle());

  for (const auto& [control, name] : {std::pair{"button", "x1"}, std::pair{"button", ""}, std::pair{"nothing", "d1"},
                                      std::pair{"Button", "d1"}}) {
    EXPECT_EQ(testing::raised_error([&] { skin_picture(control, name); }), err::InvalidPicture) << control << name;
  }
  EXPECT_STREQ(classic_error_text(err::InvalidPicture), "Invalid picture");
}

}  // namespace
}  // namespace okit
