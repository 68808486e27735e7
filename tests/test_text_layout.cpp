// Lines in other scripts: which face draws them, in what order, and where
// each character's caret edges lie. These rely on the fonts
// tools/install-deps.sh installs.

#include <gtest/gtest.h>

#include <vector>

#include "host/elements/text_ruler.h"
#include "host/font.h"

namespace okit {
namespace {

constexpr const char* kClassicFace = "/usr/share/wine/fonts/ms_sans_serif.ttf";

std::unique_ptr<Font> open_classic() {
  std::string warning;
  return Font::open(kClassicFace, &warning);
}

// The pixels a line draws, row by row.
std::vector<std::uint8_t> ink(const Font& font, std::string_view text, bool bold = false) {
  constexpr int kWidth = 120, kHeight = 20;
  std::vector<std::uint8_t> mask(kWidth * kHeight, 0);
  font.draw_text(text, bold, mask.data(), kWidth, kHeight, kWidth, 2, 2);
  return mask;
}

int inked(const std::vector<std::uint8_t>& mask) {
  int count = 0;
  for (std::uint8_t pixel : mask) count += pixel != 0;
  return count;
}

TEST(TextLayout, TextTheClassicFaceCoversOpensNoOtherFace) {
  auto font = open_classic();
  font->text_width("Grüße, Привет! 123 (x)", false);
  font->character_spans("Grüße, Привет! 123 (x)", true);
  EXPECT_EQ(font->stand_in_count(), 0);
}

TEST(TextLayout, CharactersTheClassicFaceLacksComeFromAnInstalledFace) {
  auto font = open_classic();
  const auto box = ink(*font, "\u0378");  // unassigned: the classic face's box
  for (const char* text : {"\u6771", "\uC548", "\u2713", "\u05D0", "\u0915"}) {
    const auto drawn = ink(*font, text);
    EXPECT_NE(drawn, box) << text << " is drawn, not boxed";
    EXPECT_GT(inked(drawn), 4) << text;
  }
  EXPECT_GE(font->stand_in_count(), 2);
  // The same file serves every character it has: all of this is one face.
  const int faces = font->stand_in_count();
  font->text_width("\u6771\u4EAC\u5317\u4EAC", false);
  EXPECT_EQ(font->stand_in_count(), faces);
  EXPECT_GT(font->text_width("\u6771", true), font->text_width("\u6771", false)) << "bold stays wider";
}

TEST(TextLayout, ControlCharactersBesideOtherScriptsKeepTheClassicBoxAndWarnOfNoFont) {
  auto font = open_classic();
  testing::internal::CaptureStderr();
  font->text_width("a\n\u05D0\x7F\u0085b", false);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  // Hebrew needs a face of its own; the controls asked for none.
  EXPECT_EQ(font->stand_in_count(), 1);
}

TEST(TextLayout, ACombiningMarkTheClassicFaceCanComposeStaysInTheClassicFace) {
  auto font = open_classic();
  EXPECT_EQ(ink(*font, "Cafe\u0301"), ink(*font, "Caf\u00E9"));
  EXPECT_EQ(font->text_width("Cafe\u0301", false), font->text_width("Caf\u00E9", false));
  EXPECT_EQ(font->stand_in_count(), 0);
  const auto spans = font->character_spans("e\u0301", false);
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_EQ(spans[0].right, spans[1].left) << "the two code points share the one glyph";
}

TEST(TextLayout, ShapingJoinsArabicLettersAndFormsConjuncts) {
  auto font = open_classic();
  const int beh = font->text_width("\u0628", false);
  EXPECT_LT(font->text_width("\u0628\u0628\u0628", false), 3 * beh) << "joined forms are narrower";
  const int apart = font->text_width("\u0915", false) + font->text_width("\u094D", false) + font->text_width("\u0937", false);
  EXPECT_LT(font->text_width("\u0915\u094D\u0937", false), apart) << "k + virama + ss is one conjunct";
}

TEST(TextLayout, RightToLeftTextRunsFromTheRightAndTheCaretMovesInLogicalOrder) {
  auto font = open_classic();
  // "ab " then alef, bet: the paragraph is left to right (its first strong
  // letter is Latin); the Hebrew letters read from the right.
  const TextRuler ruler(font->character_spans("ab \u05D0\u05D1", false));
  const int width = ruler.width();
  EXPECT_EQ(ruler.x_of(0), 0);
  EXPECT_LT(ruler.x_of(1), ruler.x_of(2));
  EXPECT_EQ(ruler.x_of(4), ruler.x_of(3) - font->text_width("\u05D0", false)) << "after alef: its left edge";
  EXPECT_GT(ruler.x_of(3), ruler.x_of(4)) << "the caret walks left through Hebrew";
  EXPECT_EQ(ruler.x_of(5), ruler.x_of(2) + font->text_width(" ", false)) << "past bet: the Hebrew run's left end";
  EXPECT_EQ(ruler.boundary_nearest(width + 5), 3) << "right of everything: before alef";

  // A selection from "b" into the Hebrew is two pieces: "b " and alef, not bet.
  const auto pieces = ruler.pieces(1, 4);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].first, ruler.x_of(1));
  EXPECT_EQ(pieces[1].second, width);
}

TEST(TextLayout, ExplicitMarksAndParagraphDirectionFollowTheBidiAlgorithm) {
  auto font = open_classic();
  // A Hebrew paragraph puts its first letter at the right, Latin included.
  const auto hebrew_first = font->character_spans("\u05D0 ab", false);
  EXPECT_GT(hebrew_first[0].left, hebrew_first[2].left);
  // A right-to-left override turns Latin letters around.
  const auto overridden = font->character_spans("\u202Eab\u202C", false);
  EXPECT_GT(overridden[1].left, overridden[2].left);
}

}  // namespace
}  // namespace okit
