// Lines in other scripts: which face draws them, in what order, and where
// each character's caret edges lie.

#include <gtest/gtest.h>

#include "host/font.h"

namespace okit {
namespace {

constexpr const char* kClassicFace = "/usr/share/wine/fonts/ms_sans_serif.ttf";

const Font& classic() {
  static const std::unique_ptr<Font> font = [] {
    std::string warning;
    return Font::open(kClassicFace, &warning);
  }();
  return *font;
}

TEST(TextLayout, RightToLeftLettersRunFromTheRight) {
  const auto spans = classic().character_spans("\u05D0\u05D1", false);  // alef, bet
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_TRUE(spans[0].rtl);
  EXPECT_GT(spans[0].left, spans[1].left) << "alef, read first, stands right of bet";
}

}  // namespace
}  // namespace okit
