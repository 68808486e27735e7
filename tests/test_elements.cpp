#include <gtest/gtest.h>

#include "event_recorder.h"
#include "host/elements/command_button.h"
#include "host/elements/element_kinds.h"
#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/line.h"
#include "host/elements/mnemonic.h"
#include "host/elements/picture_box.h"
#include "host/font.h"
#include "host/picture.h"
#include "host_testing.h"

namespace okit {
namespace {

using testing::EventRecorder;
using testing::raised_error;

std::shared_ptr<const Bitmap> solid_bitmap(int width, int height) {
  return std::make_shared<const Bitmap>(
      Bitmap{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0xFFFFFF)});
}

int text_width(std::string_view text) { return default_font().text_width(text, false); }

TEST(Mnemonic, MarkersAreStrippedAndTheFirstSingleMarkerCounts) {
  EXPECT_EQ(strip_mnemonic("&Test"), "Test");
  EXPECT_EQ(strip_mnemonic("A&&B"), "A&B");
  EXPECT_EQ(strip_mnemonic("Fish &"), "Fish &");  // a trailing marker marks nothing
  EXPECT_EQ(strip_mnemonic(escape_mnemonic("Face (&H8000000F&)")), "Face (&H8000000F&)");
  EXPECT_EQ(mnemonic_of(escape_mnemonic("&Save")), 0);

  EXPECT_EQ(mnemonic_of("Save &As"), 'a');
  EXPECT_EQ(mnemonic_of("A&&B"), 0);
  EXPECT_EQ(mnemonic_of("R&&D &Lab"), 'l');
  EXPECT_EQ(mnemonic_of("&First &Second"), 'f');
  EXPECT_EQ(mnemonic_of("Fish &"), 0);
  EXPECT_EQ(mnemonic_of("No marker"), 0);
}

TEST(Mnemonic, LabelsOfferTheirAccessKeyOnlyWithUseMnemonic) {
  auto label = std::make_shared<Label>("lbl");
  label->put_Caption("&Name:");
  EXPECT_EQ(label->access_key(), 'n');
  label->put_UseMnemonic(false);
  EXPECT_EQ(label->access_key(), 0);
}

TEST(LabelAutoSize, FitsTheCaptionWithoutItsMarkers) {
  auto label = std::make_shared<Label>("lbl_Caption");
  label->Move(240, 0, 900, 900);
  label->put_Caption("&Test");
  EXPECT_EQ(label->width_twips(), 900) << "no sizing while AutoSize is off";

  label->put_AutoSize(true);
  EXPECT_EQ(label->width_twips(), 315);  // 21 pixels
  EXPECT_EQ(label->height_twips(), 195);  // one 13-pixel line
  EXPECT_EQ(label->left_twips(), 240);

  label->put_Caption("A&&B");
  EXPECT_EQ(label->width_twips(), text_width("A&B") * 15);
  label->put_UseMnemonic(false);
  EXPECT_EQ(label->width_twips(), text_width("A&&B") * 15);

  label->put_Caption("Test\r\nCaption1");
  EXPECT_EQ(label->width_twips(), text_width("Caption1") * 15);
  EXPECT_EQ(label->height_twips(), 2 * 195);
}

TEST(LabelAutoSize, WordWrapKeepsTheWidthAndGrowsDownwards) {
  auto label = std::make_shared<Label>("lbl");
  label->Move(0, 0, 30 * 15, 195);
  label->put_WordWrap(true);
  label->put_AutoSize(true);
  label->put_Caption("Test Test Test");
  EXPECT_EQ(label->width_twips(), 30 * 15);
  EXPECT_EQ(label->height_twips(), 3 * 195);
  EXPECT_EQ(label->display_lines(), (std::vector<std::string>{"Test", "Test", "Test"}));

  label->put_Width(static_cast<float>(text_width("Test Test") * 15));
  EXPECT_EQ(label->height_twips(), 2 * 195) << "a wider label needs fewer lines";
}

TEST(LabelLines, AFixedSizeLabelWrapsAtItsWidth) {
  auto label = std::make_shared<Label>("lbl");
  label->Move(0, 0, static_cast<float>(text_width("Opal") * 15), 600);
  label->put_Caption("&Opal Button");
  EXPECT_EQ(label->display_lines(), (std::vector<std::string>{"Opal", "Button"}));
  EXPECT_EQ(label->height_twips(), 600);
}

TEST(ImagePicture, ANonStretchingImageTakesThePictureSize) {
  auto box = std::make_shared<PictureBox>("pic_ButtonBar");
  box->put_ScaleMode(static_cast<std::int16_t>(ScaleMode::Pixels));
  auto image = std::make_shared<Image>("v1");
  box->add_child(image);
  image->Move(3, 4, 50, 50);

  image->set_picture(std::make_shared<Picture>(solid_bitmap(7, 21), "d1"));
  EXPECT_EQ(image->Width(), 7);
  EXPECT_EQ(image->Height(), 21);
  EXPECT_EQ(image->Left(), 3) << "only the size follows the picture";

  image->put_Picture(Value());  // Empty clears the picture but keeps the rectangle
  EXPECT_EQ(image->picture(), nullptr);
  EXPECT_EQ(image->Width(), 7);
}

TEST(ImagePicture, AStretchingImageKeepsItsSizeUntilStretchIsTurnedOff) {
  auto image = std::make_shared<Image>("v2");
  image->Move(105, 0, 1815, 315);
  image->put_Stretch(true);
  image->set_picture(std::make_shared<Picture>(solid_bitmap(1, 21), "d2"));
  EXPECT_EQ(image->width_twips(), 1815);
  image->put_Stretch(false);
  EXPECT_EQ(image->width_twips(), 15);
  EXPECT_EQ(image->height_twips(), 315);
}

TEST(ImagePicture, OnlyPicturesAndNothingCanBeAssigned) {
  auto image = std::make_shared<Image>("v1");
  auto picture = std::make_shared<Picture>(solid_bitmap(2, 2), "d1");
  image->put_property("Picture", Value(ObjectRef(picture)));
  EXPECT_EQ(raised_error([&] { image->put_property("Picture", Value("d2")); }), 13);
  EXPECT_EQ(raised_error([&] { image->put_property("Picture", Value(ObjectRef(std::make_shared<Label>("x")))); }),
            13);
  EXPECT_EQ(image->picture(), picture) << "a refused assignment keeps the picture";
  image->put_property("Picture", Value(ObjectRef()));
  EXPECT_EQ(image->picture(), nullptr);
}

TEST(PictureHandle, FollowsTheBitmapAcrossImagesAndPictureObjects) {
  const auto bitmap = solid_bitmap(13, 13);
  auto source = std::make_shared<Image>("d1");
  auto shown = std::make_shared<Image>("v1");
  source->set_picture(std::make_shared<Picture>(bitmap, "d1"));
  shown->put_property("Picture", source->get_property("Picture"));

  const Value handle = source->picture()->get_property("");  // Handle is the default member
  EXPECT_NE(handle.to_long(), 0);
  EXPECT_EQ(shown->picture()->get_property("Handle"), handle);
  EXPECT_EQ(describe_picture(shown->get_property("Picture")), "d1");

  EXPECT_EQ(Picture(bitmap, "copy").Handle(), handle.to_long()) << "same bitmap, same handle";
  EXPECT_NE(Picture(solid_bitmap(13, 13)).Handle(), handle.to_long());

  EXPECT_EQ(source->picture()->Width(), 344);  // 13 pixels in HIMETRIC
  EXPECT_EQ(raised_error([&] { source->picture()->put_property("Handle", Value(1)); }), 383);
  EXPECT_EQ(describe_picture(Value()), "(none)");
}

TEST(PictureBoxAlign, AnAlignedBoxSticksToItsEdgeAndSpansTheContainer) {
  auto surface = std::make_shared<PictureBox>("surface");
  surface->Move(0, 0, 6735, 4020);
  auto bar = std::make_shared<PictureBox>("pic_ButtonBar");
  auto store = std::make_shared<PictureBox>("pic_Objects");
  surface->add_child(bar);
  surface->add_child(store);
  bar->Move(500, 500, 100, 315);
  store->Move(0, 0, 100, 1050);

  bar->put_Align(1);
  store->put_Align(2);
  EXPECT_EQ(bar->screen_rect(), (Rect{0, 0, 449, 21}));
  EXPECT_EQ(store->top_twips(), 4020 - 1050);
  EXPECT_EQ(store->width_twips(), 6735);

  surface->put_Width(3000);
  surface->put_Height(2000);
  bar->align_to(*surface);
  store->align_to(*surface);
  EXPECT_EQ(bar->width_twips(), 3000);
  EXPECT_EQ(store->top_twips(), 2000 - 1050);

  store->put_Height(500);
  EXPECT_EQ(store->top_twips(), 1500) << "a bottom-aligned box that shrinks moves down";
  bar->put_Width(10);
  EXPECT_EQ(bar->width_twips(), 3000) << "an aligned box keeps the container's width";
  EXPECT_EQ(raised_error([&] { bar->put_Align(5); }), 380);
}

TEST(PictureBoxAlign, ReportsOneResizeWithTheFinalSize) {
  auto surface = std::make_shared<PictureBox>("surface");
  surface->Move(0, 0, 3000, 2000);
  auto bar = std::make_shared<PictureBox>("bar");
  surface->add_child(bar);
  bar->put_Align(1);
  EventRecorder recorder;
  float width_seen = 0;
  recorder.handler = [&](std::string_view, std::span<Value>) { width_seen = bar->Width(); };
  bar->set_sink(&recorder);

  bar->put_Width(10);
  EXPECT_EQ(recorder.take(), (std::vector<std::string>{"Resize"}));
  EXPECT_EQ(width_seen, 3000);
}

TEST(ScaleModes, ChildrenArePositionedInTheBoxScaleButStoredInTwips) {
  auto box = std::make_shared<PictureBox>("pic");
  box->Move(0, 0, 1500, 300);
  box->put_ScaleMode(static_cast<std::int16_t>(ScaleMode::Pixels));
  EXPECT_EQ(box->ScaleWidth(), 100);
  EXPECT_EQ(box->ScaleHeight(), 20);

  auto line = std::make_shared<Line>("Line1");
  box->add_child(line);
  line->put_X1(10);
  line->put_Y2(4);
  EXPECT_EQ(line->x1_twips(), 150);
  EXPECT_EQ(line->y2_twips(), 60);

  box->put_ScaleMode(static_cast<std::int16_t>(ScaleMode::Twips));
  EXPECT_EQ(line->X1(), 150) << "the line stays where it was";
  EXPECT_EQ(raised_error([&] { box->put_ScaleMode(9); }), 380);
}

TEST(ElementKinds, CreatesEveryHostKindByNameIgnoringCase) {
  for (std::string_view kind :
       {"Image", "Label", "PictureBox", "Timer", "TextBox", "CommandButton", "Line", "Shape"}) {
    auto element = create_host_element(kind, "x");
    ASSERT_NE(element, nullptr) << kind;
    EXPECT_EQ(element->class_info().name, kind);
    EXPECT_EQ(element->class_info().library, "Host");
    EXPECT_EQ(element->name(), "x");
  }
  EXPECT_NE(create_host_element("commandbutton", "b"), nullptr);
  EXPECT_EQ(create_host_element("Form", "f"), nullptr);
  EXPECT_EQ(create_host_element("", "f"), nullptr);

  EXPECT_EQ(default_control_size("CommandButton"), (Size{81, 25}));
  EXPECT_EQ(default_control_size("textbox"), (Size{81, 25}));
  EXPECT_EQ(default_control_size("Label"), (Size{81, 17}));
}

TEST(ElementKinds, WindowsAndHitTestingFollowTheKind) {
  EXPECT_NE(create_host_element("PictureBox", "p")->hwnd(), 0);
  EXPECT_NE(create_host_element("TextBox", "t")->hwnd(), 0);
  EXPECT_NE(create_host_element("CommandButton", "c")->hwnd(), 0);
  EXPECT_EQ(create_host_element("Label", "l")->hwnd(), 0);
  EXPECT_EQ(create_host_element("Image", "i")->hwnd(), 0);

  EXPECT_TRUE(create_host_element("Image", "i")->hit_testable());
  EXPECT_FALSE(create_host_element("Line", "l")->hit_testable());
  EXPECT_FALSE(create_host_element("Shape", "s")->hit_testable());
  EXPECT_FALSE(create_host_element("PictureBox", "p")->can_take_focus());
}

TEST(LateBinding, TablesReachTheirOwnAndTheSharedProperties) {
  auto shape = create_host_element("Shape", "Shape1");
  shape->put_property("FillColor", Value(std::int32_t{0x00D8E9EC}));
  shape->put_property("Left", Value(std::int16_t{45}));
  EXPECT_EQ(shape->get_property(-510), Value(std::int32_t{0x00D8E9EC}));
  EXPECT_EQ(shape->get_property("FillStyle"), Value(std::int16_t{1}));
  EXPECT_EQ(shape->left_twips(), 45);
  EXPECT_EQ(raised_error([&] { shape->put_property("FillStyle", Value(std::int16_t{8})); }), 380);

  auto button = create_host_element("CommandButton", "cmd_HotKey");
  button->put_property(-518, Value("AutoClick"));
  EXPECT_EQ(button->access_key(), 0);
  EXPECT_EQ(raised_error([&] { button->put_property("Text", Value("x")); }), 438);
}

}  // namespace
}  // namespace okit
