// What each element kind looks like once composed, and how the tree is
// put together: back to front, children clipped to their containers,
// hidden elements and everything they hold left out.

#include <gtest/gtest.h>

#include "host/desktop.h"
#include "host/elements/command_button.h"
#include "host/elements/image.h"
#include "host/elements/line.h"
#include "host/elements/picture_box.h"
#include "host/elements/shape.h"
#include "host/elements/text_box.h"
#include "host/font.h"
#include "host/paint/colors.h"
#include "host/picture.h"
#include "paint_testing.h"
#include "controls_desktop.h"

namespace okit {
namespace {

using testing::ascii;
using testing::ascii_row;
using testing::make_form;
using testing::place;

constexpr std::int32_t kRedOle = 0x000000FF;
constexpr std::int32_t kBlueOle = 0x00FF0000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::shared_ptr<Picture> numbered_picture(int width, int height) {
  auto bitmap = std::make_shared<Bitmap>();
  bitmap->width = width;
  bitmap->height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->pixels.push_back(static_cast<std::uint32_t>(x << 16 | y << 8 | 1));
  return std::make_shared<Picture>(std::move(bitmap));
}

std::shared_ptr<Shape> solid_shape(Element& parent, const char* name, Rect r, std::int32_t color) {
  auto shape = place<Shape>(parent, name, r);
  shape->put_FillStyle(0);
  shape->put_FillColor(color);
  shape->put_BorderStyle(0);
  return shape;
}

const FrameBuffer& composed(Compositor& compositor, Form& form) {
  compositor.compose(form);
  return *compositor.frame(form);
}

TEST(PaintTree, LaterSiblingsCoverEarlierOnesAndZOrderRestacksThem) {
  auto form = make_form(20, 10);
  auto red = solid_shape(*form, "red", {0, 0, 12, 10}, kRedOle);
  auto blue = solid_shape(*form, "blue", {8, 0, 20, 10}, kBlueOle);
  Compositor compositor;
  EXPECT_EQ(composed(compositor, *form).pixel(10, 5), kBlue);
  red->ZOrder(0);
  EXPECT_EQ(composed(compositor, *form).pixel(10, 5), kRed);
  red->ZOrder(1);
  EXPECT_EQ(composed(compositor, *form).pixel(10, 5), kBlue);
}

TEST(PaintTree, ChildrenAreClippedToTheirContainerAndHiddenOnesSkipped) {
  auto form = make_form(30, 20);
  auto box = place<PictureBox>(*form, "box", {5, 5, 15, 15});
  box->put_BackColor(0x00FFFFFF & 0x00C0C0C0);
  auto inside = solid_shape(*box, "inside", {-3, 2, 20, 4}, kRedOle);  // overhangs both sides
  Compositor compositor;
  const FrameBuffer& frame = composed(compositor, *form);
  EXPECT_EQ(ascii_row(frame, 8, 0, 30, kRed), ".....##########...............");
  EXPECT_EQ(frame.pixel(5, 5), 0xC0C0C0u);

  inside->put_Visible(false);
  EXPECT_EQ(composed(compositor, *form).pixel(6, 8), 0xC0C0C0u);
  inside->put_Visible(true);
  box->put_Visible(false);  // hides the box and all it holds
  EXPECT_EQ(composed(compositor, *form).pixel(6, 8), kWhite);
  EXPECT_EQ(composed(compositor, *form).pixel(5, 5), kWhite);
}

TEST(PaintImage, ShowsItsPictureOneToOneOrStretchedAndNothingWithout) {
  auto form = make_form(40, 20);
  form->put_BackColor(kBlueOle);
  auto image = place<Image>(*form, "img", {2, 3, 12, 8});
  Compositor compositor;
  EXPECT_EQ(composed(compositor, *form).pixel(2, 3), kBlue) << "no picture: transparent";

  image->set_picture(numbered_picture(4, 2));  // takes the picture's size
  const FrameBuffer& frame = composed(compositor, *form);
  EXPECT_EQ(frame.pixel(2, 3), 0x000001u);
  EXPECT_EQ(frame.pixel(5, 4), 0x030101u);
  EXPECT_EQ(frame.pixel(6, 4), kBlue);

  image->put_Stretch(true);
  image->Move(2 * 15, 3 * 15, 8 * 15, 4 * 15);  // twice the picture's size
  composed(compositor, *form);
  EXPECT_EQ(ascii_row(frame, 3, 0, 12, 0x000001u), "..##........");
  EXPECT_EQ(frame.pixel(9, 6), 0x030101u);
  EXPECT_EQ(frame.pixel(10, 6), kBlue);
}

TEST(PaintShape, SolidFillUnderABorderOfItsWidth) {
  auto form = make_form(10, 8);
  auto shape = place<Shape>(*form, "shp", {1, 1, 9, 7});
  shape->put_FillStyle(0);
  shape->put_FillColor(kRedOle);
  shape->put_BorderColor(kBlueOle);
  shape->put_BorderWidth(2);
  Compositor compositor;
  const FrameBuffer& frame = composed(compositor, *form);
  EXPECT_EQ(ascii_row(frame, 3, 0, 10, kBlue), ".##....##.");
  EXPECT_EQ(ascii_row(frame, 3, 0, 10, kRed), "...####...");
  shape->put_BorderStyle(0);
  EXPECT_EQ(composed(compositor, *form).pixel(1, 1), kRed);
}

TEST(PaintLine, DrawsBetweenItsEndPointsInTheContainersUnits) {
  auto form = make_form(20, 12);
  auto surface = place<testing::PlainSurface>(*form, "frame", {2, 1, 20, 12});
  surface->put_ScaleMode(3);
  surface->put_BackColor(0x00FFFFFF);
  auto line = std::make_shared<Line>("Line6");
  surface->add_child(line);
  line->put_BorderColor(0x00C0C0C0);
  line->put_X1(5), line->put_Y1(7), line->put_X2(2), line->put_Y2(10);
  Compositor compositor;
  EXPECT_EQ(ascii(composed(compositor, *form), {2 + 2, 1 + 7, 2 + 6, 1 + 11}, 0xC0C0C0),
            (std::vector<std::string>{"...#", "..#.", ".#..", "...."}));
}

TEST(PaintTextBox, SunkenOrFlatBorderTextInsideAndTheSelectionWhenFocused) {
  testing::ControlsDesktop desktop;
  auto form = desktop.create_form("frm");
  form->set_bounds_twips(0, 0, 120 * 15, 30 * 15);
  auto field = place<TextBox>(*form, "txt", {0, 0, 100, 21});
  field->put_Text("Test");
  Compositor compositor;
  const FrameBuffer& frame = composed(compositor, *form);
  EXPECT_EQ(frame.pixel(0, 0), system_color(SystemColor::ButtonShadow));
  EXPECT_EQ(frame.pixel(99, 20), system_color(SystemColor::ButtonHighlight));
  EXPECT_EQ(frame.pixel(1, 1), system_color(SystemColor::DarkShadow3D));
  EXPECT_EQ(frame.pixel(98, 19), system_color(SystemColor::Light3D));
  // Two pixels of border and one of inset: the T's bar starts at x 4, row 5.
  EXPECT_EQ(ascii_row(frame, 2 + 1 + 2, 0, 10, 0x000000), "....#####.");

  field->put_SelStart(1);
  field->put_SelLength(2);  // "es"
  const int from = 3 + default_font().text_width("T", false), to = 3 + default_font().text_width("Tes", false);
  EXPECT_EQ(composed(compositor, *form).pixel(from, 10), kWhite) << "HideSelection: not shown unfocused";
  desktop.activate(form.get());
  desktop.set_focus(*field);
  composed(compositor, *form);
  EXPECT_EQ(frame.pixel(from, 4), system_color(SystemColor::Highlight));
  EXPECT_EQ(frame.pixel(to - 1, 15), system_color(SystemColor::Highlight));
  EXPECT_EQ(frame.pixel(to - 1, 16), kWhite) << "one line high";
  EXPECT_EQ(frame.pixel(to, 10), 0x000000u) << "the caret, at the end of the selection";
  EXPECT_NE(ascii_row(frame, 10, from, to, kWhite).find('#'), std::string::npos) << "text in highlight text";

  field->put_PasswordChar("*");
  field->put_Appearance(0);
  composed(compositor, *form);
  EXPECT_EQ(frame.pixel(0, 0), 0x000000u);
  EXPECT_EQ(frame.pixel(1, 1), kWhite);
}

TEST(PaintCommandButton, RaisedFaceCentredCaptionAndAFrameWhenFocused) {
  testing::ControlsDesktop desktop;
  auto form = desktop.create_form("frm");
  form->set_bounds_twips(0, 0, 120 * 15, 40 * 15);
  auto button = place<CommandButton>(*form, "cmd", {10, 10, 85, 33});
  button->put_Caption("&OK");
  Compositor compositor;
  const FrameBuffer& frame = composed(compositor, *form);
  EXPECT_EQ(frame.pixel(10, 10), system_color(SystemColor::ButtonHighlight));
  EXPECT_EQ(frame.pixel(84, 32), system_color(SystemColor::DarkShadow3D));
  EXPECT_EQ(frame.pixel(83, 31), system_color(SystemColor::ButtonShadow));
  EXPECT_EQ(frame.pixel(40, 12), system_color(SystemColor::ButtonFace));
  const Font& font = default_font();
  const int text_left = 10 + (75 - font.text_width("OK", false)) / 2;
  const int text_top = 10 + (23 - 13) / 2;
  EXPECT_EQ(ascii_row(frame, text_top + 12, text_left - 1, text_left + font.text_width("O", false) + 1, 0),
            std::string(".").append(font.text_width("O", false), '#').append("."));

  desktop.activate(form.get());
  desktop.set_focus(*button);
  composed(compositor, *form);
  EXPECT_EQ(frame.pixel(10, 10), system_color(SystemColor::WindowFrame));
  EXPECT_EQ(frame.pixel(11, 11), system_color(SystemColor::ButtonHighlight));
}

}  // namespace
}  // namespace okit
