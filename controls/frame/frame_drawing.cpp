// The frame border's only drawing routine. It uses no bitmaps: it prints
// the caption on the surface and places nine lines around it. For a surface
// of SW x SH pixels and a caption ending at E (15 + its width + 2):
//
//   Line6 (5,7)-(2,10)     Line1 (5,7)-(13,7)  caption  Line5 (E,7)-(SW-6,7)
//   Line2 (2,10)-(2,SH-6)                      Line4 (SW-3,10)-(SW-3,SH-6)
//   Line7 (2,SH-6)-(5,SH-3)   Line3 (5,SH-3)-(SW-6,SH-3)   Line8 (SW-6,SH-3)-(SW-3,SH-6)
//   Line9 (SW-3,10)-(SW-6,7)
//
// Each edge comes from constants or the surface size, each bevel joins the
// ends of the two edges it connects, so the corners stay closed whatever
// the size. Nothing here checks the size: a frame too small for its outline
// gets edges that run backwards and bevels that cross.

#include "controls/frame/fam_Opaline_Framebordder.h"

namespace okit {

namespace {

constexpr std::int32_t kEnabledCaption = 0x00DC6B36;
constexpr std::int32_t kDisabledCaption = 0x00C0C0C0;
// The caption starts this far in; the top edge stops 2 pixels before it
// and resumes 2 pixels after it.
constexpr float kCaptionLeft = 15;
constexpr double kCaptionClearance = 2;

// Coordinates are worked out in double precision and kept by the line in
// single precision.
void set_ends(Line& line, double x1, double y1, double x2, double y2) {
  line.put_X1(static_cast<float>(x1));
  line.put_Y1(static_cast<float>(y1));
  line.put_X2(static_cast<float>(x2));
  line.put_Y2(static_cast<float>(y2));
}

}  // namespace

// Runs on every resize and after every property assignment, loading and
// showing. The printed caption stays on the surface until the Cls of the
// next pass, so the frame needs no paint handler.
void fam_Opaline_Framebordder::UserControl_Resize() {
  // 1. The caption colour is assigned only when Enabled differs from the
  //    value it was last set for; a frame that starts disabled keeps its
  //    design-time grey, which is the disabled colour.
  if (const bool enabled_now = get_Enabled(); enabled_now != m_LastEnabled) {
    m_LastEnabled = enabled_now;
    put_ForeColor(enabled_now ? kEnabledCaption : kDisabledCaption);
  }

  // 2. to 5. Clear away the previous caption, then measure and print the
  //    current one with its text cell at (15, 0).
  Cls();
  put_CurrentX(kCaptionLeft);
  put_CurrentY(0);
  m_CaptionEnd = static_cast<std::int32_t>(round_half_even(CurrentX() + TextWidth(m_Caption) + kCaptionClearance));
  Print(m_Caption);

  // 6. The outline, in the order Line1 to Line9: the edges first, each
  //    derived from the ones before it, then the four bevels.
  const double width = ScaleWidth();
  const double height = ScaleHeight();
  set_ends(*Line1, 5, 7, 13, 7);
  set_ends(*Line2, 2, 10, 2, height - 6);
  set_ends(*Line3, Line2->X2() + 3.0, Line2->Y2() + 3.0, width - 6, Line2->Y2() + 3.0);
  set_ends(*Line4, Line3->X2() + 3.0, Line2->Y1(), Line3->X2() + 3.0, Line2->Y2());
  set_ends(*Line5, m_CaptionEnd, Line1->Y1(), Line4->X1() - 3.0, Line1->Y2());
  set_ends(*Line6, Line1->X1(), Line1->Y1(), Line2->X1(), Line2->Y1());
  set_ends(*Line7, Line2->X2(), Line2->Y2(), Line3->X1(), Line3->Y1());
  set_ends(*Line8, Line3->X2(), Line3->Y2(), Line4->X2(), Line4->Y2());
  set_ends(*Line9, Line4->X1(), Line4->Y1(), Line5->X2(), Line5->Y2());
}

}  // namespace okit
