// The cursor test: which screen pixels count as over an element, how edges
// in twips round, and when the arithmetic overflows.

#include <gtest/gtest.h>

#include <limits>

#include "host/desktop.h"
#include "host/elements/image.h"
#include "host/user_control.h"
#include "window_services/cursor_test.h"
#include "controls_desktop.h"

namespace okit {
namespace {

class ProbeSurface : public UserControl {
 public:
  explicit ProbeSurface(std::string name) : UserControl(std::move(name)) {}
  const ClassInfo& class_info() const override {
    static const ClassInfo info{"ProbeSurface", "Test", {}, {}, &element_class_info()};
    return info;
  }
  std::shared_ptr<Image> add_image(const char* name) { return add_element<Image>(*this, name); }
};

class CursorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = desktop.create_form("F");
    form->place_twips(100 * 15, 50 * 15, 400 * 15, 300 * 15);
    surface = std::make_shared<ProbeSurface>("Probe");
    surface->set_role(ElementRole::Control);
    form->add_child(surface);
    surface->place_twips(10 * 15, 20 * 15, 200 * 15, 100 * 15);
    image = surface->add_image("cmd_move");
  }

  bool over_at(int x, int y) {
    desktop.set_cursor({x, y});
    return over(*image);
  }
  bool over(Element& element) { return cursor_over_element(*surface, element, rect, memo); }

  testing::ControlsDesktop desktop;
  std::shared_ptr<Form> form;
  std::shared_ptr<ProbeSurface> surface;
  std::shared_ptr<Image> image;
  ScreenRect rect;
  CursorTestMemo memo;
};

TEST_F(CursorTest, IncludesLeftColumnAndTopRowExcludesRightAndBottom) {
  surface->put_ScaleMode(3);
  image->Move(5, 5, 10, 10);  // screen 115..125 x 75..85
  EXPECT_TRUE(over_at(115, 75));
  EXPECT_TRUE(over_at(124, 84));
  EXPECT_FALSE(over_at(114, 80));
  EXPECT_FALSE(over_at(125, 80));
  EXPECT_FALSE(over_at(120, 74));
  EXPECT_FALSE(over_at(120, 85));
  // The rectangle of the last call stays, whatever the answer was.
  EXPECT_EQ(rect.left, 115);
  EXPECT_EQ(rect.top, 75);
  EXPECT_EQ(rect.right, 125);
  EXPECT_EQ(rect.bottom, 85);
}

TEST_F(CursorTest, EmptyElementIsNeverUnderTheCursor) {
  surface->put_ScaleMode(3);
  image->Move(5, 5, 0, 10);
  EXPECT_FALSE(over_at(115, 80));
  image->Move(5, 5, 10, 0);
  EXPECT_FALSE(over_at(115, 75));
}

TEST_F(CursorTest, TwipEdgesRoundHalvesToEven) {
  // 97.5 twips is 6.5 pixels and rounds down to 6; 112.5 twips is 7.5 and
  // rounds up to 8. The right edge is converted from Left + Width as read.
  image->Move(97.5f, 112.5f, 15.0f, 15.0f);
  over_at(0, 0);
  EXPECT_EQ(rect.left, 110 + 6);
  EXPECT_EQ(rect.top, 70 + 8);
  EXPECT_EQ(rect.right, 110 + 8);   // 112.5 twips -> 7.5 -> 8
  EXPECT_EQ(rect.bottom, 70 + 8);   // 127.5 twips -> 8.5 -> 8: an empty rectangle
  EXPECT_FALSE(over_at(116, 78));
}

// The answer is remembered between ticks; anything that moves the element,
// an ancestor or the cursor must show in the next answer.
TEST_F(CursorTest, RememberedAnswersFollowEveryMove) {
  surface->put_ScaleMode(3);
  image->Move(5, 5, 10, 10);  // screen 115..125 x 75..85
  auto dead_zone = surface->add_image("cmd_none");
  dead_zone->Move(0, 0, 2, 2);  // screen 110..112 x 70..72
  ASSERT_TRUE(over_at(115, 75));
  EXPECT_FALSE(over(*dead_zone));
  EXPECT_TRUE(over(*image));
  EXPECT_EQ(rect.left, 115) << "the rectangle is the last tested element's";

  form->move_to_screen({200, 50});  // the form leaves a resting cursor
  EXPECT_FALSE(over(*image));
  form->move_to_screen({100, 50});
  EXPECT_TRUE(over(*image));
  surface->place_twips(0, 0, 200 * 15, 100 * 15);  // the surface moves
  EXPECT_FALSE(over(*image));
  image->Move(15, 25, 10, 10);  // the element follows
  EXPECT_TRUE(over(*image));
  image->put_Width(0);
  EXPECT_FALSE(over(*image));
}

TEST_F(CursorTest, OverflowRaisesError6) {
  surface->put_ScaleMode(3);
  image->Move(3e9f, 0, 10, 10);
  for (int tick = 0; tick < 2; ++tick) {  // a failed test is not remembered as an answer
    try {
      over_at(0, 0);
      FAIL() << "expected an overflow";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), err::Overflow);
    }
  }
  // A left edge at the smallest 32-bit integer cannot have 1 subtracted.
  form->place_twips(0, 0, 400 * 15, 300 * 15);
  surface->place_twips(0, 0, 200 * 15, 100 * 15);
  image->Move(static_cast<float>(std::numeric_limits<std::int32_t>::min()), 0, 10, 10);
  try {
    over_at(0, 0);
    FAIL() << "expected an overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::Overflow);
  }
}

}  // namespace
}  // namespace okit
