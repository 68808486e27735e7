// The tab strip's design-time layout and its fixed size.

#include "controls/tabstrip/stp_Brook_TabStrip.h"

#include "host/skins.h"

namespace okit {

namespace {

constexpr std::int32_t kSurfaceColor = 0x00D8E9EC;
constexpr std::int32_t kBandColor = 0x00D1C8AB;
constexpr std::int32_t kContentColor = 0x00FFFFEF;

}  // namespace

// Everything sits directly on the surface, in twips. The elements are
// created back to front: tab 2 lies behind everything, the caption of tab 1
// in front of everything. The two source images lie beyond the right edge,
// where they are never seen. Like every skin, the two tab pictures are named
// after the source images that hold them, so a tab image's Picture prints
// img_on or img_off from the start, as after a click copies one.
stp_Brook_TabStrip::stp_Brook_TabStrip() : UserControl("stp_Brook_TabStrip") {
  UserControl::put_BackColor(kSurfaceColor);
  place_twips(0, 0, 6735, 4695);

  const auto tab_image = [this](const char* name, const char* picture, float left, float top) {
    auto image = add_element<Image>(*this, name);
    image->set_picture(skin_picture("tabstrip", picture));
    image->Move(left, top, image->Width(), image->Height());
    return image;
  };
  const auto filled_rectangle = [this](const char* name, float top, float height, std::int32_t fill) {
    auto shape = add_element<Shape>(*this, name);
    shape->put_Shape(0);
    shape->put_FillStyle(0);
    shape->put_FillColor(fill);
    shape->Move(0, top, 6735, height);
    return shape;
  };
  const auto tab_caption = [this](const char* name, const char* caption, float left, std::int16_t tab_index) {
    auto label = add_element<Label>(*this, name);
    label->put_FontBold(true);
    label->Move(left, 165, 765, 195);
    label->put_AutoSize(true);
    label->put_Caption(caption);
    label->put_TabIndex(tab_index);
    return label;
  };

  img_caption2 = tab_image("img_caption2", "img_off", 2640, 0);
  Shape1 = filled_rectangle("Shape1", 480, 615, kBandColor);
  Shape2 = filled_rectangle("Shape2", 1080, 3255, kContentColor);
  Shape3 = filled_rectangle("Shape3", 4320, 375, kBandColor);

  lbl_caption2 = tab_caption("lbl_caption2", "Caption2", 3600, 1);
  lbl_caption2->put_BackStyle(0);

  Label3 = add_element<Label>(*this, "Label3");
  Label3->put_BackColor(kBandColor);
  Label3->Move(120, 600, 6495, 375);
  Label3->put_Caption("Beschreibung des Threads");
  Label3->put_TabIndex(2);

  img_on = tab_image("img_on", "img_on", 7200, 0);
  img_off = tab_image("img_off", "img_off", 7200, 480);
  img_caption1 = tab_image("img_caption1", "img_on", 240, 0);

  // Unlike the caption of tab 2, this one keeps an opaque band-coloured
  // background, also while its tab shows the light off-picture.
  lbl_caption1 = tab_caption("lbl_caption1", "Caption1", 1080, 0);
  lbl_caption1->put_BackColor(kBandColor);

  connect_handlers();
}

// Height first, then width, each from the bottom bar; the nested resize
// that each assignment causes finds the size already right. No child
// element moves.
void stp_Brook_TabStrip::UserControl_Resize() {
  put_Height(Shape3->Top() + Shape3->Height());
  put_Width(Shape3->Width());
}

}  // namespace okit
