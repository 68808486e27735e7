#include "host/font.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace okit {
namespace {

constexpr const char* kClassicFace = "/usr/share/wine/fonts/ms_sans_serif.ttf";
constexpr const char* kScalableFace = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kMissingFace = "/nonexistent/okit-test-font.ttf";

std::unique_ptr<Font> open_classic() {
  std::string warning;
  auto font = Font::open(kClassicFace, &warning);
  EXPECT_EQ(warning, "");
  return font;
}

// A mask with a one-pixel frame of sentinel bytes around it and extra
// sentinel columns past its width inside the stride, so a test can see any
// write outside the clip.
struct FramedMask {
  static constexpr std::uint8_t kSentinel = 7;
  int width;
  int height;
  int stride;
  std::vector<std::uint8_t> bytes;

  FramedMask(int mask_width, int mask_height)
      : width(mask_width), height(mask_height), stride(mask_width + 5),
        bytes(static_cast<std::size_t>(stride) * (mask_height + 2), kSentinel) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) at(x, y) = 0;
    }
  }
  // The mask starts one row into the buffer: row -1 and row `height` frame it.
  std::uint8_t& at(int x, int y) { return bytes[static_cast<std::size_t>(y + 1) * stride + x]; }
  std::uint8_t* origin() { return &at(0, 0); }

  int draw(const Font& font, std::string_view text, bool bold, int left, int top) {
    return font.draw_text(text, bold, origin(), width, height, stride, left, top);
  }
  bool frame_untouched() {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const int y = static_cast<int>(i) / stride - 1;
      const int x = static_cast<int>(i) % stride;
      const bool inside = y >= 0 && y < height && x < width;
      if (!inside && bytes[i] != kSentinel) return false;
    }
    return true;
  }
  std::vector<std::string> ascii() {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) row += at(x, y) == 255 ? '#' : '.';
      rows.push_back(row);
    }
    return rows;
  }
  int set_pixels() {
    int count = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) count += at(x, y) == 255 ? 1 : 0;
    }
    return count;
  }
};

TEST(Font, ClassicStrikeHasThirteenPixelLine) {
  auto font = open_classic();
  EXPECT_EQ(font->ascent(), 11);
  EXPECT_EQ(font->descent(), 2);
  EXPECT_EQ(font->line_height(), 13);
}

TEST(Font, WidthsMatchTheClassicLabelSizes) {
  auto font = open_classic();
  const std::array<std::pair<const char*, int>, 7> regular = {{
      {"Opal Button", 56}, {"Opaline Checkbox", 87}, {"Eigenschaften", 68}, {"Test", 21},
      {"Beschreibung des Threads", 127}, {"Caption1", 42}, {"Form1", 29},
  }};
  for (const auto& [text, width] : regular) EXPECT_EQ(font->text_width(text, false), width) << text;
  EXPECT_EQ(font->text_width("Caption1", true), 51);
  EXPECT_EQ(font->text_width("Form1", true), 35);
  EXPECT_EQ(font->text_width("Form1", true), 35);
  // No glyphs, no overhang either.
  EXPECT_EQ(font->text_width("", false), 0);
  EXPECT_EQ(font->text_width("", true), 0);
}

TEST(Font, UnknownAndMalformedTextMeasuresAsTheMissingGlyph) {
  auto font = open_classic();
  const int missing = font->text_width("\xE4\xB8\x80", false);  // U+4E00, not in the face
  EXPECT_GT(missing, 0);
  EXPECT_EQ(font->text_width("\xFF", false), missing);
  EXPECT_EQ(font->text_width("\xE2\x82", false), missing);
  EXPECT_EQ(font->text_width("T\xFF" "est", false), 21 + missing);
  // The second lookup comes from the cache and must agree with the first.
  EXPECT_EQ(font->text_width("\xE4\xB8\x80\xE4\xB8\x80", false), 2 * missing);
  EXPECT_EQ(font->text_width("\xE4\xB8\x80", true), missing + 2);
  // Characters beyond ASCII that the face has are real glyphs, not boxes,
  // both in the direct cache (u with umlaut) and past it (the euro sign).
  EXPECT_EQ(font->text_width("\xC3\xBC", false), font->text_width("u", false));
  EXPECT_EQ(font->text_width("\xE2\x82\xAC", false), 6);
}

TEST(Font, OpalRendersAsCrispMonochromeText) {
  auto font = open_classic();
  FramedMask regular(22, 13);
  EXPECT_EQ(regular.draw(*font, "Opal", false, 0, 0), font->text_width("Opal", false));
  const std::vector<std::string> expected_regular = {
      "......................", "......................", "..####...............#",
      ".#....#..............#", ".#....#..............#", ".#....#..####...###..#",
      ".#....#..#...#.....#.#", ".#....#..#...#..####.#", ".#....#..#...#.#...#.#",
      ".#....#..#...#.#...#.#", "..####...####...####.#", ".........#............",
      ".........#............",
  };
  EXPECT_EQ(regular.ascii(), expected_regular);
  EXPECT_TRUE(regular.frame_untouched());

  // Bold smears every glyph one pixel to the right.
  FramedMask bold(27, 13);
  EXPECT_EQ(bold.draw(*font, "Opal", true, 0, 0), 27);
  const std::vector<std::string> bold_rows = bold.ascii();
  EXPECT_EQ(bold_rows[2], "..#####.................##.");
  EXPECT_EQ(bold_rows[7], ".##...##..##..##..#####.##.");
  EXPECT_EQ(bold_rows[12], "..........##...............");
}

TEST(Font, DrawingClipsToTheMaskAndKeepsTheAdvance) {
  auto font = open_classic();
  const int advance = font->text_width("Opal Button", false);
  // Hanging off the top left: the lower right part of "Op" shows.
  FramedMask top_left(10, 6);
  EXPECT_EQ(top_left.draw(*font, "Opal Button", false, -3, -5), advance);
  EXPECT_TRUE(top_left.frame_untouched());
  // Row 0 of the mask is row 5 of the line, shifted left by three pixels.
  EXPECT_EQ(top_left.at(3, 0), 255);  // the right side of the O
  EXPECT_EQ(top_left.at(0, 0), 0);
  // Hanging off the bottom right, and drawn wholly outside.
  FramedMask bottom_right(10, 6);
  EXPECT_EQ(bottom_right.draw(*font, "Opal Button", true, 4, 3), font->text_width("Opal Button", true));
  EXPECT_TRUE(bottom_right.frame_untouched());
  EXPECT_GT(bottom_right.set_pixels(), 0);
  FramedMask outside(10, 6);
  EXPECT_EQ(outside.draw(*font, "Opal Button", false, -1000, 2), advance);
  EXPECT_EQ(outside.draw(*font, "Opal Button", false, 2, 1 << 30), advance);
  EXPECT_EQ(outside.set_pixels(), 0);
  EXPECT_TRUE(outside.frame_untouched());
  // Without a usable mask nothing is written, but the text is still measured.
  EXPECT_EQ(font->draw_text("Opal Button", false, nullptr, 10, 6, 10, 0, 0), advance);
  EXPECT_EQ(outside.draw(*font, "\xF0\x9F", false, 0, 0), font->text_width("\xF0\x9F", false));
}

TEST(Font, UnusablePathFallsBackWithOneWarning) {
  std::string warning;
  auto font = Font::open(kMissingFace, &warning);
  EXPECT_EQ(warning, std::string("okit: warning: font ") + kMissingFace +
                         " not usable (cannot open the file); using " + kClassicFace);
  EXPECT_EQ(font->line_height(), 13);
  EXPECT_EQ(font->text_width("Test", false), 21);

  const auto not_a_font = std::filesystem::temp_directory_path() / "okit-test-not-a-font.ttf";
  std::ofstream(not_a_font) << "this is plain text\n";
  font = Font::open(not_a_font.string(), &warning);
  EXPECT_NE(warning.find("(not a font file)"), std::string::npos) << warning;
  EXPECT_EQ(font->text_width("Test", false), 21);
  std::filesystem::remove(not_a_font);
}

TEST(Font, ScalableFallbackFitsTheLine) {
  if (!std::filesystem::exists(kScalableFace)) GTEST_SKIP() << kScalableFace << " is not installed";
  const std::array<const char*, 1> fallbacks = {kScalableFace};
  std::string warning;
  auto font = Font::open(kMissingFace, fallbacks, &warning);
  EXPECT_NE(warning.find(std::string("using ") + kScalableFace), std::string::npos) << warning;
  EXPECT_LE(font->line_height(), 13);
  EXPECT_GE(font->line_height(), 11);
  FramedMask mask(font->text_width("Opal", false), font->line_height());
  EXPECT_EQ(mask.draw(*font, "Opal", false, 0, 0), mask.width);
  EXPECT_GT(mask.set_pixels(), 20);
  EXPECT_TRUE(mask.frame_untouched());
}

TEST(Font, WithNoFaceAtAllBuiltinMetricsStillLayOut) {
  std::string warning;
  auto font = Font::open(kMissingFace, {}, &warning);
  EXPECT_NE(warning.find("built-in"), std::string::npos) << warning;
  EXPECT_EQ(font->line_height(), 13);
  EXPECT_EQ(font->text_width("Test", false), 24);
  EXPECT_EQ(font->text_width("Test", true), 29);
  FramedMask mask(30, 13);
  EXPECT_EQ(mask.draw(*font, "Test", false, 0, 0), 24);
  EXPECT_EQ(mask.set_pixels(), 0);
}

TEST(Font, DefaultFontIsTheClassicFace) {
  EXPECT_EQ(&default_font(), &default_font());
  EXPECT_EQ(default_font().line_height(), 13);
  EXPECT_EQ(default_font().text_width("Caption1", true), 51);
}

}  // namespace
}  // namespace okit
