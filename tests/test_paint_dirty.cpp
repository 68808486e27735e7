// Dirty tracking: what changes is repainted, what does not change costs
// nothing, and a frame built up from partial repaints always equals one
// painted whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "backend/headless/headless_backend.h"
#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/line.h"
#include "host/elements/picture_box.h"
#include "host/elements/shape.h"
#include "host/elements/text_box.h"
#include "host/paint/colors.h"
#include "host/paint/dirty_region.h"
#include "host/picture.h"
#include "paint_testing.h"
#include "controls_desktop.h"

namespace okit {
namespace {

using testing::make_form;
using testing::place;

std::shared_ptr<const Bitmap> gradient(int width, int height) {
  auto bitmap = std::make_shared<Bitmap>();
  bitmap->width = width;
  bitmap->height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->pixels.push_back(static_cast<std::uint32_t>(0x203040 + x * 5 + y * 0x500));
  return bitmap;
}

// Where two frames differ first, or "" when they are equal.
std::string first_difference(const FrameBuffer& a, const FrameBuffer& b) {
  if (a.width() != b.width() || a.height() != b.height()) return "sizes differ";
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return "pixel " + std::to_string(x) + ", " + std::to_string(y);
  return "";
}

// A small form such as the controls build: a title image, a caption label,
// a text field, a shape and a line inside a surface.
struct Scene {
  std::shared_ptr<Form> form = make_form(160, 90, 0x00D8E9EC);
  std::shared_ptr<const Bitmap> skin = gradient(6, 20);
  std::shared_ptr<Image> title = place<Image>(*form, "m1", {0, 0, 160, 20});
  std::shared_ptr<Label> caption = place<Label>(*form, "cmd_label", {5, 4, 60, 17});
  std::shared_ptr<testing::PlainSurface> surface = place<testing::PlainSurface>(*form, "frame", {10, 30, 150, 80});
  std::shared_ptr<TextBox> field = place<TextBox>(*surface, "txt", {5, 20, 100, 41});
  std::shared_ptr<Shape> shape = place<Shape>(*form, "shp", {120, 40, 150, 60});
  std::shared_ptr<Line> line = std::make_shared<Line>("Line1");
  Compositor compositor;

  Scene() {
    title->put_Stretch(true);
    title->set_picture(std::make_shared<Picture>(skin, "am1"));
    caption->put_BackStyle(0);
    caption->put_ForeColor(0x00FFFFFF);
    caption->put_FontBold(true);
    caption->put_Caption("Caption");
    field->put_Text("Name");
    shape->put_FillStyle(0);
    shape->put_FillColor(0x0000FF00);
    surface->put_ScaleMode(3);
    surface->add_child(line);
    line->put_X1(5), line->put_Y1(7), line->put_X2(130), line->put_Y2(7);
    compositor.compose(*form);
  }
  ComposeStats compose() { return compositor.compose(*form); }
  // A frame painted whole by a compositor that has never seen the form.
  std::string differs_from_full_repaint() {
    Compositor fresh;
    fresh.compose(*form);
    return first_difference(*compositor.frame(*form), *fresh.frame(*form));
  }
};

TEST(DirtyRegion, MergesOnlyWhereMergingPaintsNoMore) {
  DirtyRegion region;
  region.add({0, 0, 10, 10});
  region.add({2, 2, 5, 5});  // already covered
  EXPECT_EQ(region.rects().size(), 1u);
  region.add({5, 0, 15, 10});  // the box of both is smaller than the two
  EXPECT_EQ(region.rects(), (std::vector<Rect>{{0, 0, 15, 10}}));
  region.add({10, 8, 30, 30});  // overlaps, but the box would be far larger
  EXPECT_EQ(region.rects().size(), 2u);
  region.add({40, 40, 40, 50});  // empty
  EXPECT_EQ(region.rects().size(), 2u);
  EXPECT_EQ(region.take({0, 0, 12, 9}), (std::vector<Rect>{{0, 0, 12, 9}, {10, 8, 12, 9}}));
  EXPECT_TRUE(region.empty());

  // Many scattered pieces collapse into boxes that still cover them all.
  for (int i = 0; i < 40; ++i) region.add({i * 10, 0, i * 10 + 5, 5});
  EXPECT_LE(region.rects().size(), 16u);
  for (int i = 0; i < 40; ++i) {
    const Rect piece{i * 10, 0, i * 10 + 5, 5};
    const bool covered = std::any_of(region.rects().begin(), region.rects().end(), [&](const Rect& r) {
      return r.left <= piece.left && r.top <= piece.top && r.right >= piece.right && r.bottom >= piece.bottom;
    });
    EXPECT_TRUE(covered) << "piece " << i;
  }
}

TEST(DirtyTracking, ReassigningWhatIsShownRepaintsNothing) {
  Scene scene;
  EXPECT_EQ(scene.compose().pixels, 0) << "a frame with nothing dirty costs nothing";
  // What a steady timer tick does: the same skin, even as a new Picture
  // object, the same caption and colours, the same place.
  scene.title->set_picture(std::make_shared<Picture>(scene.skin, "am1"));
  scene.caption->put_Caption("Caption");
  scene.caption->put_ForeColor(0x00FFFFFF);
  scene.shape->ZOrder(0);  // already in front
  scene.field->put_Text("Name");
  scene.field->put_SelStart(0);
  scene.shape->put_FillColor(0x0000FF00);
  scene.line->put_X2(130);
  scene.surface->put_BackColor(scene.surface->BackColor());
  scene.title->Move(0, 0, 160 * 15, 20 * 15);
  scene.caption->put_Visible(true);
  scene.form->put_BackColor(0x00D8E9EC);
  const ComposeStats stats = scene.compose();
  EXPECT_EQ(stats.pixels, 0);
  EXPECT_EQ(stats.rectangles, 0);
}

TEST(DirtyTracking, MovingOneElementRepaintsAtMostItsOldAndNewRectangles) {
  Scene scene;
  scene.shape->Move(40 * 15, 60 * 15, 30 * 15, 20 * 15);  // 30 x 20, overlapping nothing it was
  ComposeStats stats = scene.compose();
  EXPECT_GT(stats.pixels, 0);
  EXPECT_LE(stats.pixels, 2 * 30 * 20);
  EXPECT_LE(stats.rectangles, 2);
  EXPECT_EQ(scene.differs_from_full_repaint(), "");

  scene.shape->put_Left(45 * 15);  // a small step: old and new overlap
  stats = scene.compose();
  EXPECT_LE(stats.pixels, 2 * 30 * 20);
  EXPECT_EQ(scene.differs_from_full_repaint(), "");

  // A child element is cut to its container on the way up.
  scene.field->put_Width(400);
  stats = scene.compose();
  EXPECT_LE(stats.pixels, 140 * 21) << "no more than the surface's width";
  EXPECT_EQ(scene.differs_from_full_repaint(), "");
}

TEST(DirtyTracking, EveryKindOfChangeLeavesTheFrameAsAFullRepaintWould) {
  Scene scene;
  const auto check = [&](const char* change) { EXPECT_EQ(scene.differs_from_full_repaint(), "") << change; };
  scene.caption->put_Caption("A longer caption");
  scene.compose(), check("caption");
  scene.caption->put_AutoSize(true);
  scene.compose(), check("auto size");
  scene.title->set_picture(std::make_shared<Picture>(gradient(14, 20), "dm1"));
  scene.compose(), check("picture");
  scene.title->set_picture(nullptr);
  scene.compose(), check("no picture");
  scene.field->put_SelStart(1), scene.field->put_SelLength(2);
  scene.field->set_hide_selection(false);
  scene.compose(), check("selection");
  std::int16_t key = 'x';
  scene.field->key_press(key);
  scene.compose(), check("typing");
  scene.surface->put_CurrentX(15), scene.surface->Print("Frame");
  scene.compose(), check("print");
  scene.line->put_Y1(30), scene.line->put_X2(2);
  scene.compose(), check("line end points");
  scene.surface->Cls();
  scene.compose(), check("cls");
  scene.surface->put_Visible(false);
  scene.compose(), check("hide");
  scene.surface->put_Visible(true);
  scene.compose(), check("show");
  scene.shape->ZOrder(1);
  scene.compose(), check("z-order");
  scene.caption->destroy();
  scene.compose(), check("destroy");
  place<Label>(*scene.surface, "late", {0, 0, 50, 13})->put_Caption("Late");
  scene.compose(), check("add");
  scene.field->put_Enabled(false);
  scene.compose(), check("disable");
  scene.form->put_BackColor(0x00FF0000);
  scene.compose(), check("form colour");
}

TEST(DirtyTracking, HiddenElementsMarkNothingAndShowingThemRepaintsTheirRectangle) {
  Scene scene;
  auto box = place<PictureBox>(*scene.form, "box", {100, 0, 140, 30});
  scene.compose();
  box->put_Visible(false);
  EXPECT_EQ(scene.compose().pixels, 40 * 30);
  auto hidden_child = place<Shape>(*box, "inner", {0, 0, 10, 10});
  hidden_child->put_FillColor(0x000000FF);
  hidden_child->put_Left(150);
  EXPECT_EQ(scene.compose().pixels, 0);
  box->put_Visible(true);
  EXPECT_EQ(scene.compose().pixels, 40 * 30);
  EXPECT_EQ(scene.differs_from_full_repaint(), "");
}

TEST(DirtyTracking, ANewClientSizeRepaintsTheWholeFrameOnce) {
  Scene scene;
  scene.form->set_bounds_twips(0, 0, 200 * 15, 100 * 15);
  EXPECT_EQ(scene.compose().pixels, 200 * 100);
  EXPECT_EQ(scene.compositor.frame(*scene.form)->width(), 200);
  EXPECT_EQ(scene.compose().pixels, 0);
  scene.form->move_to_screen({300, 200});
  EXPECT_EQ(scene.compose().pixels, 0) << "a form's place is no part of its frame";
}

TEST(DirtyTracking, ClsAndPrintOfTheSameCaptionRepaintOnlyTheText) {
  Scene scene;
  scene.surface->Print("Frame");
  scene.compose();
  scene.surface->Cls();
  scene.surface->Print("Frame");
  const ComposeStats stats = scene.compose();
  EXPECT_GT(stats.pixels, 0);
  EXPECT_LE(stats.pixels, 40 * 19) << "the caption's ink box, not the surface";
}

class ScreenComposition : public ::testing::Test {
 protected:
  testing::ControlsDesktop desktop;
  HeadlessBackend backend{desktop};
  std::shared_ptr<Form> show_form(const char* name, Rect on_screen, std::int32_t back) {
    auto form = desktop.create_form(name);
    form->set_bounds_twips(on_screen.left * 15, on_screen.top * 15, on_screen.width() * 15, on_screen.height() * 15);
    form->put_BackColor(back);
    return form;
  }
};

TEST_F(ScreenComposition, DesktopThenFormsBottomFirstWithTheActiveFormOnTop) {
  auto first = show_form("first", {100, 100, 300, 200}, 0x000000FF);
  auto second = show_form("second", {250, 150, 400, 300}, 0x00FF0000);
  Compositor& screen = backend.compositor();
  EXPECT_EQ(screen.screen_pixel({0, 0}), system_color(SystemColor::Desktop));
  EXPECT_EQ(screen.screen_pixel({120, 120}), 0xFF0000u);
  EXPECT_EQ(screen.screen_pixel({260, 160}), 0x0000FFu) << "created later, above";
  desktop.activate(first.get());
  EXPECT_EQ(screen.screen_pixel({260, 160}), 0xFF0000u) << "the active form on top";
  desktop.activate(second.get());
  EXPECT_EQ(screen.screen_pixel({260, 160}), 0x0000FFu);
  EXPECT_EQ(screen.compose_screen().pixels, 0) << "nothing changed, nothing painted";

  first->put_BackColor(0x0000FF00);
  const ComposeStats stats = screen.compose_screen();
  EXPECT_EQ(stats.pixels, 200 * 100) << "the repainted form, on the screen";
  EXPECT_EQ(screen.screen().pixel(260, 160), 0x0000FFu) << "still beneath the active form";
  EXPECT_EQ(screen.screen().pixel(120, 120), 0x00FF00u);

  second->put_Visible(false);
  EXPECT_EQ(screen.screen_pixel({260, 160}), 0x00FF00u);
  desktop.unload(*first);
  EXPECT_EQ(screen.screen_pixel({120, 120}), system_color(SystemColor::Desktop));
  EXPECT_THROW(screen.screen_pixel({1280, 0}), std::out_of_range);
  EXPECT_THROW(screen.screen_pixel({0, -1}), std::out_of_range);
}

}  // namespace
}  // namespace okit
