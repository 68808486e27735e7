// The button's layout and looks. It has no drawing code of its own: it shows
// itself by arranging its child elements and copying skin pictures into the
// three visible slices. Every step writes only when something differs, so a
// refresh in an unchanged state repaints nothing.

#include <algorithm>

#include "controls/button/cmd_Opaline_Button.h"
#include "host/desktop.h"

namespace okit {

namespace {
constexpr std::int16_t kTwips = 1;
// Halves to the even neighbour, as the layout's integer conversions do.
float rounded(double v) { return static_cast<float>(round_half_even(v)); }
}  // namespace

// Runs on every resize. Pumping messages between the steps lets a tick or a
// resize run nested inside the layout; each pass computes from the current
// state, so the last pass decides.
void cmd_Opaline_Button::LayoutButton() {
  auto alive_until_return = keep_alive();
  // 1. The button is always exactly as high as the skin; the resize this
  //    causes runs the layout once more, nested.
  if (ScaleHeight() != v1->Height()) {
    put_Height(static_cast<float>(ScaleY(v1->Height(), pic_ButtonBar->get_ScaleMode(), kTwips)));
    DoEvents();
    if (!alive()) return;
  }
  // 2. The input surface covers the whole button.
  cmd_move->Move(0, 0, pic_ButtonBar->Width(), v1->Height());
  DoEvents();
  if (!alive()) return;
  // 3. and 4. The caps sit at the edges, the middle piece between them.
  v1->put_Top(0);
  v2->put_Top(0);
  v3->put_Top(0);
  DoEvents();
  if (!alive()) return;
  v1->put_Left(0);
  v2->put_Left(v1->Left() + v1->Width());
  v3->put_Left(pic_ButtonBar->Width() - v3->Width());
  DoEvents();
  if (!alive()) return;
  // 5. A button narrower than its two caps (15 pixels) gets a middle piece of
  //    width 0: the caps then overlap rather than the layout failing.
  v1->put_Width(7);
  v3->put_Width(8);
  v2->put_Width(std::max(0.0f, v3->Left() - v1->Left() - v1->Width()));
  DoEvents();
  if (!alive()) return;
  // 6. The caption label spans the bar, vertically centred.
  const float top = rounded(pic_ButtonBar->Height() / 2.0 - lbl_Caption->Height() / 2.0);
  lbl_Caption->Move(lbl_Caption->Left(), top, rounded(pic_ButtonBar->Width()), lbl_Caption->Height());
  DoEvents();
}

// The caption moves one pixel right and one down while the button is pressed;
// the label is as wide as the bar and centres its text, so the horizontal
// centring needs no computation.
void cmd_Opaline_Button::PlaceCaption(bool pressed) {
  const Point place = caption_place(pressed);
  if (lbl_Caption->Left() != place.x) {
    lbl_Caption->put_Left(place.x);
    DoEvents();
  }
  if (lbl_Caption->Top() != place.y) {
    lbl_Caption->put_Top(place.y);
    DoEvents();
  }
}

// In the bar's scale units, which are pixels.
Point cmd_Opaline_Button::caption_place(bool pressed) const {
  const int shift = pressed ? 1 : 0;
  return {shift, static_cast<int>(rounded(pic_ButtonBar->Height() / 2.0 - lbl_Caption->Height() / 2.0 + shift))};
}

// The only place the caption colour changes: hover, pressed, focused and
// normal keep the colour set here last.
void cmd_Opaline_Button::ApplyEnabledLook() {
  if (m_Enabled) {
    ShowLook(*d1, *d2, *d3, false);
    lbl_Caption->put_ForeColor(m_ForeColor);
  } else {
    ShowLook(*e1, *e2, *e3, false);
    lbl_Caption->put_ForeColor(m_DeactivatedForeColor);
  }
}

void cmd_Opaline_Button::UpdateCaption() {
  if (lbl_Caption->Caption() != m_Caption) lbl_Caption->put_Caption(m_Caption);
}

// Every tick in a steady state asks for the look already shown: that costs
// a few comparisons and no reference to the control.
void cmd_Opaline_Button::ShowLook(Image& left, Image& middle, Image& right, bool pressed) {
  if (look_shown(left, middle, right, pressed)) return;
  auto alive_until_return = keep_alive();
  PlaceCaption(pressed);
  if (!alive()) return;
  CopyPictureIfChanged(left, *v1);
  CopyPictureIfChanged(middle, *v2);
  CopyPictureIfChanged(right, *v3);
}

bool cmd_Opaline_Button::look_shown(const Image& left, const Image& middle, const Image& right, bool pressed) {
  return v1->picture() == left.picture() && v2->picture() == middle.picture() &&
         v3->picture() == right.picture() && caption_in_place(pressed);
}

bool cmd_Opaline_Button::caption_in_place(bool pressed) {
  const std::uint64_t epoch = layout_epoch();
  if (epoch != 0 && caption_checked_.epoch == epoch && caption_checked_.pressed == pressed) return true;
  const Point place = caption_place(pressed);
  if (lbl_Caption->Left() != place.x || lbl_Caption->Top() != place.y) return false;
  caption_checked_ = {epoch, pressed};
  return true;
}

// Assigns the source's picture only when the bitmap handles differ, so
// repeated timer ticks never re-assign a look that is already shown. This
// copy does not pump messages afterwards.
void cmd_Opaline_Button::CopyPictureIfChanged(Image& source, Image& target) {
  const auto handle = [](const Image& image) { return image.picture() ? image.picture()->Handle() : 0; };
  if (handle(target) == handle(source)) return;
  target.set_picture(source.picture());
}

// An inactive form shows whatever look the button had; a review shows the
// normal one.
void cmd_Opaline_Button::show_forced_look(ForcedLook look) {
  switch (look) {
    case ForcedLook::Normal:
    case ForcedLook::Inactive: ShowLook(*d1, *d2, *d3, false); break;
    case ForcedLook::Hover: ShowLook(*h1, *h2, *h3, false); break;
    case ForcedLook::Pressed: ShowLook(*c1, *c2, *c3, true); break;
    case ForcedLook::Focused: ShowLook(*f1, *f2, *f3, false); break;
    case ForcedLook::Disabled:
      ShowLook(*e1, *e2, *e3, false);
      lbl_Caption->put_ForeColor(m_DeactivatedForeColor);
      break;
  }
}

}  // namespace okit
