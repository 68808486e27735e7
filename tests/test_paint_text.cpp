// Text as labels, push buttons and control surfaces draw it: crisp
// monochrome glyphs on the baseline, as wide as TextWidth says, with the
// access key underlined one pixel below the baseline.

#include <gtest/gtest.h>

#include "host/elements/label.h"
#include "host/font.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/user_control.h"
#include "paint_testing.h"

namespace okit {
namespace {

using testing::ascii;
using testing::ascii_row;
using testing::make_form;
using testing::place;

constexpr std::uint32_t kBlack = 0x000000;

struct LabelScene {
  std::shared_ptr<Form> form = make_form(60, 40);
  std::shared_ptr<Label> label = place<Label>(*form, "lbl", {0, 0, 40, 30});
  Compositor compositor;

  explicit LabelScene(std::string caption) {
    label->put_BackStyle(0);
    label->put_ForeColor(0);
    label->put_Caption(std::move(caption));
  }
  const FrameBuffer& frame() {
    compositor.compose(*form);
    return *compositor.frame(*form);
  }
  // The first column of `row` holding ink, or -1.
  int first_ink(int row) {
    const std::string line = ascii_row(frame(), row, 0, 60, kBlack);
    const auto found = line.find('#');
    return found == std::string::npos ? -1 : static_cast<int>(found);
  }
};

TEST(PaintText, TestIsDrawnPixelForPixelOnItsBaseline) {
  LabelScene scene("Test");
  // Rows 2 to 10 of the 13-pixel cell: capitals reach from the top of the
  // ascent to the baseline at row 11; nothing is drawn above or below.
  EXPECT_EQ(ascii(scene.frame(), {0, 0, 21, 13}, kBlack), (std::vector<std::string>{
                                                              ".....................",
                                                              ".....................",
                                                              ".#####...............",
                                                              "...#...............#.",
                                                              "...#...............#.",
                                                              "...#.....###...##..##",
                                                              "...#....#...#.#..#.#.",
                                                              "...#....#####..#...#.",
                                                              "...#....#.......#..#.",
                                                              "...#....#...#.#..#.#.",
                                                              "...#.....###...##...#",
                                                              ".....................",
                                                              ".....................",
                                                          }));
}

TEST(PaintText, DrawnAdvanceEqualsTextWidthAndInkStaysInsideIt) {
  const Font& font = default_font();
  auto surface = std::make_shared<testing::PlainSurface>("uc");
  surface->put_ScaleMode(3);  // pixels
  for (const bool bold : {false, true}) {
    for (std::string_view text : {"Test", "Hello, World", "Wjq&%", "\xc3\x84rger"}) {
      FrameBuffer frame(120, 13);
      Canvas canvas(frame);
      const int advance = canvas.text(text, {0, 0}, bold, 0xFFFFFF);
      EXPECT_EQ(advance, font.text_width(text, bold)) << text;
      if (!bold) {
        EXPECT_EQ(advance, surface->TextWidth(text)) << text;
      }
      int rightmost = -1;
      for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 120; ++x)
          if (frame.pixel(x, y) == 0xFFFFFF) rightmost = std::max(rightmost, x);
      EXPECT_GE(rightmost, 0) << text;
      EXPECT_LT(rightmost, advance) << text << (bold ? " (bold)" : "");
    }
  }
}

TEST(PaintText, AccessKeyUnderlineRunsOneRowBelowTheBaselineUnderTheMarkedCharacter) {
  LabelScene scene("&Test");
  const int t_width = default_font().text_width("T", false);
  EXPECT_EQ(ascii_row(scene.frame(), 12, 0, t_width + 2, kBlack), std::string(t_width, '#') + "..");
  EXPECT_EQ(ascii_row(scene.frame(), 11, 0, 21, kBlack), std::string(21, '.')) << "a free row above it";

  scene.label->put_Caption("Te&st");  // the underline moves to the s
  const int before_s = default_font().text_width("Te", false);
  const int s_width = default_font().text_width("s", false);
  const std::string row = ascii_row(scene.frame(), 12, 0, 30, kBlack);
  EXPECT_EQ(row.find('#'), static_cast<std::size_t>(before_s));
  EXPECT_EQ(row.rfind('#'), static_cast<std::size_t>(before_s + s_width - 1));

  scene.label->put_UseMnemonic(false);
  EXPECT_EQ(ascii_row(scene.frame(), 12, 0, 40, kBlack), std::string(40, '.'));
}

TEST(PaintText, BoldTextIsWiderAndItsUnderlineFollowsTheWiderGlyph) {
  LabelScene scene("&Test");
  scene.label->put_FontBold(true);
  const int t_width = default_font().text_width("T", true) - 1;  // without the string's overhang
  EXPECT_EQ(ascii_row(scene.frame(), 12, 0, t_width + 1, kBlack), std::string(t_width, '#') + ".");
  EXPECT_EQ(ascii_row(scene.frame(), 2, 0, 8, kBlack), ".######.") << "the top bar of the bold T";

  scene.label->put_AutoSize(true);
  EXPECT_EQ(scene.label->pixel_rect().width(), default_font().text_width("Test", true));
}

TEST(PaintText, AlignmentPlacesEachLineWithinTheLabelWidth) {
  LabelScene scene("Test");  // 21 pixels in a 40-pixel label; the T's bar starts one pixel in
  EXPECT_EQ(scene.first_ink(2), 1);
  scene.label->put_Alignment(2);
  EXPECT_EQ(scene.first_ink(2), (40 - 21) / 2 + 1);
  scene.label->put_Alignment(1);
  EXPECT_EQ(scene.first_ink(2), 40 - 21 + 1);
}

TEST(PaintText, WrappedLinesStackOneLineApartAndTheUnderlineFindsItsLine) {
  LabelScene scene("Test &Word");
  scene.label->put_WordWrap(true);
  ASSERT_EQ(scene.label->display_lines(), (std::vector<std::string>{"Test", "Word"}));
  const int w_width = default_font().text_width("W", false);
  EXPECT_EQ(ascii_row(scene.frame(), 13 + 12, 0, w_width + 1, kBlack), std::string(w_width, '#') + ".");
  EXPECT_EQ(ascii_row(scene.frame(), 12, 0, 40, kBlack), std::string(40, '.'));
  EXPECT_NE(scene.first_ink(13 + 2), -1) << "the second line's capitals";

  scene.label->put_Caption("Line\r\n&Two");  // a hard break of two characters
  EXPECT_EQ(ascii_row(scene.frame(), 13 + 12, 0, 1, kBlack), "#");
}

TEST(PaintText, DisabledTextIsEmbossedGreyOverAHighlightCopy) {
  LabelScene scene("Test");
  scene.form->put_BackColor(0x00404040);
  scene.label->put_Enabled(false);
  const FrameBuffer& frame = scene.frame();
  EXPECT_EQ(frame.pixel(3, 3), system_color(SystemColor::GrayText)) << "the T's stem";
  EXPECT_EQ(frame.pixel(2, 3), system_color(SystemColor::ButtonHighlight)) << "the bar's copy, down and right";
  EXPECT_EQ(frame.pixel(6, 3), system_color(SystemColor::ButtonHighlight));
  EXPECT_EQ(frame.pixel(0, 2), 0x404040u);
}

TEST(PaintText, OpaqueLabelsFillTheirBackground) {
  LabelScene scene("Test");
  scene.label->put_BackStyle(1);
  scene.label->put_BackColor(0x00E1FFFF);
  EXPECT_EQ(scene.frame().pixel(39, 29), resolve_color(0x00E1FFFF));
  EXPECT_EQ(scene.frame().pixel(40, 29), 0xFFFFFFu);
}

TEST(PaintText, PrintDrawsAtCurrentXAndYUntilCls) {
  auto form = make_form(80, 40);
  auto surface = place<testing::PlainSurface>(*form, "frame", {10, 5, 70, 35});
  surface->put_ScaleMode(3);
  surface->put_BackColor(0x00D8E9EC);
  surface->put_ForeColor(0x00DC6B36);
  surface->put_CurrentX(15);
  surface->Print("Test");
  surface->put_ForeColor(0);
  surface->Print("Test");  // the next line, at the left edge, in the new colour
  Compositor compositor;
  compositor.compose(*form);
  const FrameBuffer& frame = *compositor.frame(*form);
  EXPECT_EQ(frame.pixel(10 + 15 + 1, 5 + 2), 0x366BDCu) << "the T's bar";
  EXPECT_EQ(frame.pixel(10 + 1, 5 + 13 + 2), 0u);
  EXPECT_EQ(frame.pixel(10, 5), 0xECE9D8u);

  surface->put_ScaleMode(1);  // drawn text does not move with the scale
  EXPECT_EQ(compositor.compose(*form).pixels, 0);
  surface->Cls();
  compositor.compose(*form);
  EXPECT_EQ(frame.pixel(10 + 15 + 1, 5 + 2), 0xECE9D8u);
  surface->put_CurrentX(150);  // twips now: 10 pixels
  surface->Print("T");
  compositor.compose(*form);
  EXPECT_EQ(frame.pixel(10 + 10 + 1, 5 + 2), 0u);
}

}  // namespace
}  // namespace okit
