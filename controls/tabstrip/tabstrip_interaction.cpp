// How the tab strip selects a tab. A click on a tab's picture or on its
// caption selects that tab, from any state, without asking which tab was
// selected before:
//
//   state           img_caption1        img_caption2        front-most
//   initial         on-picture, Top 0   off-picture, Top 0  lbl_caption1, img_caption1
//   tab 1 selected  on-picture, Top 0   off-picture, Top 1  lbl_caption1, img_caption1
//   tab 2 selected  off-picture, Top 1  on-picture, Top 0   lbl_caption2, img_caption2
//
// (Tops in pixels.) Selecting the selected tab again repeats the steps; the
// picture copies then find equal handles and assign nothing.

#include "controls/tabstrip/stp_Brook_TabStrip.h"
#include "host/desktop.h"

namespace okit {

namespace {
// The unselected tab stands one pixel lower, so it ends right above the band.
constexpr float kLoweredTop = 15;
}  // namespace

void stp_Brook_TabStrip::connect_handlers() {
  handle(*img_caption1, "Click", [this](std::span<Value>) { img_caption1_Click(); });
  handle(*lbl_caption1, "Click", [this](std::span<Value>) { lbl_caption1_Click(); });
  handle(*img_caption2, "Click", [this](std::span<Value>) { img_caption2_Click(); });
  handle(*lbl_caption2, "Click", [this](std::span<Value>) { lbl_caption2_Click(); });
}

void stp_Brook_TabStrip::img_caption1_Click() {
  SelectTab(*img_on, *img_off, 0, kLoweredTop, *img_caption1, *lbl_caption1);
}

void stp_Brook_TabStrip::lbl_caption1_Click() { img_caption1_Click(); }

void stp_Brook_TabStrip::img_caption2_Click() {
  SelectTab(*img_off, *img_on, kLoweredTop, 0, *img_caption2, *lbl_caption2);
}

void stp_Brook_TabStrip::lbl_caption2_Click() { img_caption2_Click(); }

// Both selections run the same steps with the pictures, tops and front
// elements of their row in the table above. The copies pump messages, which
// may unload the form; the steps after them run only while the control
// lives.
void stp_Brook_TabStrip::SelectTab(const Image& picture1, const Image& picture2, float top1, float top2,
                                   Image& front_tab, Label& front_caption) {
  auto alive_until_return = keep_alive();
  CopyPictureIfChanged(picture1, *img_caption1);
  if (!alive()) return;
  CopyPictureIfChanged(picture2, *img_caption2);
  if (!alive()) return;
  img_caption1->put_Top(top1);
  img_caption2->put_Top(top2);
  // The caption goes in front of its own tab, which goes in front of the
  // other tab's overlapping part.
  front_tab.ZOrder(0);
  front_caption.ZOrder(0);
}

// Assigns the source's picture only when the bitmap handles differ. Unlike
// the other controls' copies, this one pumps pending messages after an
// assignment, so a handler may run (and even unload the form) in the middle
// of a selection; SelectTab checks for that.
void stp_Brook_TabStrip::CopyPictureIfChanged(const Image& source, Image& target) {
  const auto handle = [](const Image& image) { return image.picture() ? image.picture()->Handle() : 0; };
  if (handle(target) == handle(source)) return;
  target.set_picture(source.picture());
  DoEvents();
}

}  // namespace okit
