// The canvas primitives: clipping, blits, stretching, lines, and the colour
// table everything resolves through.

#include <gtest/gtest.h>

#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/picture.h"
#include "paint_testing.h"

namespace okit {
namespace {

using testing::ascii;
using testing::ascii_row;

constexpr std::uint32_t kPaper = 0x101010;
constexpr std::uint32_t kInk = 0xFF0000;

FrameBuffer paper(int width, int height) {
  FrameBuffer frame(width, height);
  Canvas(frame).fill_rect(frame.bounds(), kPaper);
  return frame;
}

int count_pixels(const FrameBuffer& frame, std::uint32_t rgb) {
  int count = 0;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x) count += frame.pixel(x, y) == rgb ? 1 : 0;
  return count;
}

// A bitmap whose pixel at (x, y) is 0x00XXYY00 + 1, so every pixel says
// where it came from.
Bitmap numbered_bitmap(int width, int height) {
  Bitmap bitmap{width, height, {}, std::nullopt};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.pixels.push_back(static_cast<std::uint32_t>(x << 16 | y << 8 | 1));
  return bitmap;
}

std::uint32_t numbered(int x, int y) { return static_cast<std::uint32_t>(x << 16 | y << 8 | 1); }

TEST(Canvas, NestedViewsMoveTheOriginAndNeverWriteOutsideTheirClip) {
  FrameBuffer frame = paper(12, 8);
  Canvas outer = Canvas(frame).within({2, 1, 10, 7});  // 8 x 6 at (2, 1)
  Canvas inner = outer.within({5, 2, 20, 20});        // reaches past the outer view
  EXPECT_EQ(inner.clip(), (Rect{0, 0, 3, 4}));
  inner.fill_rect({-100, -100, 100, 100}, kInk);
  EXPECT_EQ(ascii(frame, frame.bounds(), kInk), (std::vector<std::string>{
                                                    "............",
                                                    "............",
                                                    "............",
                                                    ".......###..",
                                                    ".......###..",
                                                    ".......###..",
                                                    ".......###..",
                                                    "............",
                                                }));
  EXPECT_TRUE(outer.within({9, 0, 12, 3}).empty());
  EXPECT_TRUE(outer.within({0, 0, 0, 5}).empty());
}

TEST(Canvas, ClippedToKeepsTheOriginAndFrameRectStaysInside) {
  FrameBuffer frame = paper(8, 6);
  Canvas view = Canvas(frame).within({1, 1, 8, 6});
  view.clipped_to({0, 0, 3, 5}).frame_rect({0, 0, 5, 4}, kInk);  // the right edge is clipped away
  EXPECT_EQ(ascii(frame, frame.bounds(), kInk), (std::vector<std::string>{
                                                    "........",
                                                    ".###....",
                                                    ".#......",
                                                    ".#......",
                                                    ".###....",
                                                    "........",
                                                }));
}

TEST(Canvas, BlitCopiesOneToOneAndCutsAtEveryEdge) {
  const Bitmap bitmap = numbered_bitmap(4, 3);
  FrameBuffer frame = paper(6, 5);
  Canvas canvas(frame);
  canvas.blit(bitmap, {-1, 3});  // cut on the left and at the bottom
  EXPECT_EQ(frame.pixel(0, 3), numbered(1, 0));
  EXPECT_EQ(frame.pixel(2, 4), numbered(3, 1));
  canvas.blit(bitmap, {4, -2});  // cut on the right and at the top
  EXPECT_EQ(frame.pixel(4, 0), numbered(0, 2));
  EXPECT_EQ(frame.pixel(5, 0), numbered(1, 2));
  EXPECT_EQ(count_pixels(frame, kPaper), 30 - 6 - 2);

  Bitmap broken = bitmap;
  broken.pixels.resize(5);  // fewer pixels than its size promises
  canvas.blit(broken, {0, 0});
  canvas.stretch(broken, {0, 0, 6, 5});
  EXPECT_EQ(count_pixels(frame, kPaper), 22) << "a malformed bitmap draws nothing";
}

TEST(Canvas, TransparentKeyLetsTheBackgroundShowInBlitsAndStretches) {
  Bitmap tab{3, 1, {0xFF00FF, 0x00AA00, 0xFF00FF}, 0xFF00FF};
  FrameBuffer frame = paper(6, 2);
  Canvas canvas(frame);
  canvas.blit(tab, {0, 0});
  canvas.stretch(tab, {0, 1, 6, 2});
  EXPECT_EQ(ascii_row(frame, 0, 0, 6, kPaper), "#.####");
  EXPECT_EQ(ascii_row(frame, 1, 0, 6, kPaper), "##..##");
}

TEST(CanvasStretch, SamplesPixelCentresSoBothEdgesKeepTheirSourceColumns) {
  // The 7-pixel middle piece of a button widened to 300 pixels: every source
  // column shows, the outer ones at the outer edges, each 42 or 43 wide.
  const Bitmap piece = numbered_bitmap(7, 21);
  FrameBuffer frame = paper(300, 21);
  Canvas(frame).stretch(piece, {0, 0, 300, 21});
  EXPECT_EQ(frame.pixel(0, 0), numbered(0, 0));
  EXPECT_EQ(frame.pixel(299, 20), numbered(6, 20));
  for (int column = 0; column < 7; ++column) {
    int width = 0;
    for (int x = 0; x < 300; ++x) width += frame.pixel(x, 10) == numbered(column, 10) ? 1 : 0;
    EXPECT_TRUE(width == 42 || width == 43) << "column " << column << " is " << width << " wide";
  }

  // Shrinking takes the pixel under each target centre.
  FrameBuffer small = paper(2, 1);
  Canvas(small).stretch(numbered_bitmap(4, 1), {0, 0, 2, 1});
  EXPECT_EQ(small.pixel(0, 0), numbered(1, 0));
  EXPECT_EQ(small.pixel(1, 0), numbered(3, 0));
}

TEST(CanvasStretch, AClippedStretchDrawsExactlyThePixelsOfTheWholeOne) {
  const Bitmap source = numbered_bitmap(5, 3);
  FrameBuffer whole = paper(23, 11), part = paper(23, 11);
  Canvas(whole).stretch(source, {-4, -2, 19, 9});
  Canvas(part, {3, 1, 11, 6}).stretch(source, {-4, -2, 19, 9});
  for (int y = 1; y < 6; ++y)
    for (int x = 3; x < 11; ++x) ASSERT_EQ(part.pixel(x, y), whole.pixel(x, y)) << x << ", " << y;
  EXPECT_EQ(part.pixel(2, 1), kPaper);
  EXPECT_EQ(part.pixel(11, 5), kPaper);
}

TEST(CanvasLine, DrawsTheFirstEndPointButNotTheLast) {
  FrameBuffer frame = paper(16, 12);
  Canvas canvas(frame);
  canvas.line({5, 7}, {13, 7}, kInk);  // a frame's top edge
  EXPECT_EQ(ascii_row(frame, 7, 0, 16, kInk), ".....########...");
  canvas.line({5, 7}, {2, 10}, kInk);  // the bevel below its left end
  EXPECT_EQ(ascii(frame, {0, 7, 7, 11}, kInk), (std::vector<std::string>{
                                                   ".....##",
                                                   "....#..",
                                                   "...#...",
                                                   ".......",
                                                   }));
  FrameBuffer reversed = paper(16, 12);
  Canvas(reversed).line({13, 3}, {5, 3}, kInk);
  EXPECT_EQ(ascii_row(reversed, 3, 0, 16, kInk), "......########..");
  Canvas(reversed).line({1, 11}, {1, 8}, kInk);
  EXPECT_EQ(ascii(reversed, {1, 8, 2, 12}, kInk), (std::vector<std::string>{".", "#", "#", "#"}));

  FrameBuffer dot = paper(4, 4);
  Canvas(dot).line({2, 2}, {2, 2}, kInk);
  EXPECT_EQ(count_pixels(dot, kInk), 0) << "a line of no length draws nothing";
}

TEST(CanvasLine, ASteepLineIsClippedPixelByPixel) {
  FrameBuffer frame = paper(5, 5);
  Canvas(frame, {0, 0, 5, 3}).line({-2, -4}, {4, 8}, kInk);
  EXPECT_EQ(ascii(frame, frame.bounds(), kInk), (std::vector<std::string>{
                                                    "#....",
                                                    ".#...",
                                                    ".#...",
                                                    ".....",
                                                    ".....",
                                                }));
}

TEST(SystemColors, ResolveThroughOneTableAndLiteralsSwapToRgb) {
  EXPECT_EQ(resolve_color(0x00D8E9EC), 0xECE9D8u) << "0x00BBGGRR becomes 0xRRGGBB";
  EXPECT_EQ(resolve_color(0x00DC6B36), 0x366BDCu);
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x8000000F)), 0xECE9D8u);  // button face
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80000001)), 0x3A6EA5u);  // desktop
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80000005)), 0xFFFFFFu);  // window
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80000008)), 0x000000u);  // window text
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x8000000D)), 0x316AC5u);  // highlight
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80000011)), 0xACA899u);  // grey text
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80000018)), 0xFFFFE1u);  // info background
  EXPECT_EQ(system_color(SystemColor::DarkShadow3D), 0x716F64u);
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80000019 + 100)), 0u) << "an unknown index is black";
  EXPECT_EQ(resolve_color(static_cast<std::int32_t>(0x80FFFFFF)), 0u);
}

}  // namespace
}  // namespace okit
