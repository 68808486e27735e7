// The caption control's layout and looks. It has no drawing code: a
// nine-slice frame of images around a filled client area, placed on every
// resize, whose pictures the timer swaps by state. The caption label stays
// where the design put it and is never touched here.
//
// Resulting frame for a surface of SW x SH twips (W, the outer width, equals
// SW: the surface has no border):
//
//   l1  0, 0          810 x 300        r1  SW-690, 0    690 x 300
//   m1  810, 0        SW-690 x 300     (runs under r1 and past the edge)
//   l2  0, 300        45 x SH-345      r2  SW-45, 300   45 x SH-345
//   l3  0, SH-45      270 x 45         r3  SW-345, SH-45  360 x 45
//   m3  270, SH-45    SW-615 x 45      (r3 overhangs the edge by one pixel)
//   img_background    45, 300, W-90 x SH-345
//   cmd_click SW-275, 60 (200 x 200)   cmd_move 0, 0, W x 300

#include "controls/caption/ctl_Opaline_Form.h"
#include "host/desktop.h"

namespace okit {

// Each step reads the element sizes it needs at that moment, and a size is
// assigned only when it does not come out negative: the element then keeps
// its previous size. Positions may go negative and are assigned as they come.
// Pumping messages between the steps lets a tick or another resize run
// nested inside the layout; every pass computes from the current state, so
// the last one decides.
void ctl_Opaline_Form::UserControl_Resize() {
  auto alive_until_return = keep_alive();
  const auto pump = [this] {
    DoEvents();
    return alive();
  };
  const auto outer_width = [this] { return static_cast<float>(width_twips()); };

  img_background->put_Top(m1->Top() + m1->Height());
  img_background->put_Left(l2->Left() + l2->Width());
  if (const float h = ScaleHeight() - m1->Height() - m3->Height(); h >= 0) {
    img_background->put_Height(h);
    if (!pump()) return;
  }
  if (const float w = outer_width() - l2->Left() - l2->Width() - r2->Width(); w >= 0) {
    img_background->put_Width(w);
    if (!pump()) return;
  }

  // The title bar: the middle piece runs from l1 to past the right edge and
  // r1 covers the part of it that lies under the close button.
  l1->put_Top(0);
  l1->put_Left(0);
  if (!pump()) return;
  m1->put_Top(0);
  m1->put_Left(l1->Width() + l1->Left());
  if (const float w = ScaleWidth() - r1->Width(); w >= 0) {
    m1->put_Width(w);
    if (!pump()) return;
  }
  r1->put_Top(0);
  r1->put_Left(ScaleWidth() - r1->Width());
  // The hidden close-button states follow r1, though only their pictures are
  // ever shown.
  c1->put_Top(0);
  c1->put_Left(r1->Left());
  h1->put_Top(0);
  h1->put_Left(r1->Left());
  if (!pump()) return;

  // The side borders. The right border takes its top and height from the
  // left border and the left corner.
  l2->put_Top(300);
  l2->put_Left(0);
  if (const float h = ScaleHeight() - l2->Top() - l3->Height(); h >= 0) {
    l2->put_Height(h);
    if (!pump()) return;
  }
  r2->put_Top(300);
  r2->put_Left(ScaleWidth() - r2->Width());
  if (const float h = ScaleHeight() - l2->Top() - l3->Height(); h >= 0) {
    r2->put_Height(h);
    if (!pump()) return;
  }

  // The bottom border: the middle piece is one pixel longer than the gap
  // between the corners and the right corner reaches one pixel past the edge,
  // so m3 ends exactly where r3 begins.
  l3->put_Top(ScaleHeight() - l3->Height());
  l3->put_Left(0);
  m3->put_Left(l3->Width() + l3->Left());
  m3->put_Top(ScaleHeight() - l3->Height());
  if (ScaleWidth() - l3->Width() - r3->Width() >= 0) {
    m3->put_Width(ScaleWidth() - l3->Width() - r3->Width() + 15);
    if (!pump()) return;
  }
  r3->put_Left(ScaleWidth() - r3->Width() + 15);
  r3->put_Top(ScaleHeight() - l3->Height());

  // The hit areas: the close button's over the button drawn in r1, the drag
  // area over the whole bar.
  cmd_click->put_Left(ScaleWidth() - cmd_click->Width() - 75);
  cmd_move->put_Left(0);
  cmd_move->put_Top(0);
  cmd_move->put_Height(l1->Height());
  if (!pump()) return;
  cmd_move->put_Width(outer_width());
  pump();
}

// The active look, slice by slice from the title bar down. A close button
// under the cursor keeps its picture here, so that a lit or pressed button
// does not flash back to normal before ShowCloseButton lights it again.
void ctl_Opaline_Form::ShowActiveLook(bool keep_close_button) {
  const PictureCopy title_ends[] = {{al1.get(), l1.get()}, {am1.get(), m1.get()}};
  ShowLook(title_ends);
  if (!keep_close_button) CopyPictureIfChanged(*ar1, *r1);
  const PictureCopy frame[] = {{al2.get(), l2.get()}, {ar2.get(), r2.get()}, {al3.get(), l3.get()},
                               {am3.get(), m3.get()}, {ar3.get(), r3.get()}};
  ShowLook(frame);
}

// The deactivated look has no close-button states: it replaces every slice.
void ctl_Opaline_Form::ShowDeactivatedLook() {
  const PictureCopy deactivated[] = {{dl1.get(), l1.get()}, {dm1.get(), m1.get()}, {dr1.get(), r1.get()},
                                     {dl2.get(), l2.get()}, {dr2.get(), r2.get()}, {dl3.get(), l3.get()},
                                     {dm3.get(), m3.get()}, {dr3.get(), r3.get()}};
  ShowLook(deactivated);
}

// The right end of the title bar of an active form: lit under the cursor,
// pressed while a button is held there too, plain otherwise.
void ctl_Opaline_Form::ShowCloseButton(bool hover, bool pressed) {
  CopyPictureIfChanged(!hover ? *ar1 : pressed ? *c1 : *h1, *r1);
}

// A review shows the looks the timer would: the deactivated set for an
// inactive form, the active set otherwise, with the close button lit or
// pressed as if the cursor rested on it. Focus and Enabled never change the
// caption's look, so those reviews show the active set.
void ctl_Opaline_Form::show_forced_look(ForcedLook look) {
  switch (look) {
    case ForcedLook::Inactive: ShowDeactivatedLook(); break;
    case ForcedLook::Hover:
    case ForcedLook::Pressed:
      ShowActiveLook(true);
      ShowCloseButton(true, look == ForcedLook::Pressed);
      break;
    case ForcedLook::Normal:
    case ForcedLook::Focused:
    case ForcedLook::Disabled: ShowActiveLook(false); break;
  }
}

// Copies a whole look, one slice after the other, in the order given.
void ctl_Opaline_Form::ShowLook(std::span<const PictureCopy> copies) {
  for (const auto& [source, target] : copies) CopyPictureIfChanged(*source, *target);
}

// Assigns the source's picture only when the bitmap handles differ, so a
// tick in a steady state assigns nothing and repaints nothing. This copy
// does not pump messages afterwards.
void ctl_Opaline_Form::CopyPictureIfChanged(const Image& source, Image& target) {
  if (target.picture() == source.picture()) return;  // the same object: the same handle
  const auto handle = [](const Image& image) { return image.picture() ? image.picture()->Handle() : 0; };
  if (handle(target) == handle(source)) return;
  target.set_picture(source.picture());
}

}  // namespace okit
