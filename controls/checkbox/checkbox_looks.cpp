// The check box's layout and looks. It has no drawing code of its own: it
// shows itself by arranging its child elements and copying one of twelve
// state pictures into the box v1. Every routine reads the element first and
// writes only what differs, so a refresh in an unchanged state repaints
// nothing.

#include <algorithm>

#include "controls/checkbox/chk_Opaline_CheckBox.h"

namespace okit {

// The state picture for the enabled flag, the mouse-button state, the hover
// flag and the value.
void chk_Opaline_CheckBox::ShowStateImage(bool hover) {
  ShowBoxLook(!m_Enabled      ? BoxLook::Disabled
              : m_Button != 0 ? BoxLook::Pressed
              : hover         ? BoxLook::Hover
                              : BoxLook::Normal);
}

// The box in one look for the current value. A value other than the three
// known ones leaves the box showing whatever it showed before.
void chk_Opaline_CheckBox::ShowBoxLook(BoxLook look) {
  if (m_Value < chk_None || m_Value > chk_Inactive) return;
  Image* const normal[] = {d1.get(), d2.get(), d3.get()};
  Image* const hovered[] = {a1.get(), a2.get(), a3.get()};
  Image* const pressed[] = {c1.get(), c2.get(), c3.get()};
  Image* const disabled[] = {e1.get(), e2.get(), e3.get()};
  Image* const* const looks[] = {normal, hovered, pressed, disabled};  // in BoxLook order
  CopyPictureIfChanged(*looks[static_cast<int>(look)][m_Value], *v1);
}

void chk_Opaline_CheckBox::ApplyCaption() {
  if (lbl_Caption->Caption() == m_Caption) return;
  lbl_Caption->put_Caption(m_Caption);
  ApplyAutoSize();
}

// Disabled wins over focused, focused over normal.
void chk_Opaline_CheckBox::ApplyCaptionColor() {
  ShowCaptionColor(!m_Enabled ? m_DisabledColor : m_Focused ? m_FocusColor : m_ForeColor);
}

void chk_Opaline_CheckBox::ShowCaptionColor(std::int32_t color) {
  if (lbl_Caption->ForeColor() != color) lbl_Caption->put_ForeColor(color);
}

// Only the panel takes the colour; the caption label is transparent over it
// and the surface itself is always covered by the panel.
void chk_Opaline_CheckBox::ApplyBackColor() {
  if (Picture1->BackColor() != m_BackColor) Picture1->put_BackColor(m_BackColor);
}

// With AutoSize on, the control ends at the caption's right edge and is one
// caption high; the size assignments run Resize again, nested, until the size
// no longer changes. With AutoSize off, the caption fills the rest of the
// control and wraps within it; a control narrower than the box and its gap
// shows the box alone, with a caption of width 0, rather than failing its
// layout half-way.
void chk_Opaline_CheckBox::ApplyAutoSize() {
  lbl_Caption->put_AutoSize(m_AutoSize);
  if (lbl_Caption->AutoSize()) {
    put_Width(lbl_Caption->Width() + lbl_Caption->Left());
    put_Height(lbl_Caption->Height());
  } else {
    lbl_Caption->put_Width(std::max(0.0f, ScaleWidth() - lbl_Caption->Left()));
    lbl_Caption->put_Height(ScaleHeight());
  }
}

// The back panel is sized first, so the input surface always covers all of
// it: a control that grows taller without a nested Resize (AutoSize off)
// gets no strip at its bottom that neither toggles nor counts as hover.
void chk_Opaline_CheckBox::ArrangeElements() {
  Picture1->put_Top(0);
  Picture1->put_Height(ScaleHeight());
  cmd_move->put_Left(0);
  cmd_move->put_Top(0);
  cmd_move->put_Height(Picture1->ScaleHeight());
  cmd_move->put_Width(Picture1->ScaleWidth());
  // The dead zone is the column below the box, down to the panel's bottom.
  cmd_none->put_Top(v1->Top() + v1->Height());
  cmd_none->put_Left(0);
  cmd_none->put_Height(Picture1->Height() - cmd_none->Top());
  cmd_none->put_Width(v1->Width());
}

// A control lower than the box takes the caption's height back.
void chk_Opaline_CheckBox::UserControl_Resize() {
  if (Height() < v1->Height()) put_Height(lbl_Caption->Height());
  ApplyAutoSize();
  ArrangeElements();
}

// A review shows each look as an enabled control would, for its current
// value: focus changes only the caption colour, and the box of a disabled
// control comes with the disabled caption colour. An inactive form keeps
// whatever the box shows, as it does while the mouse moves over it.
void chk_Opaline_CheckBox::show_forced_look(ForcedLook look) {
  switch (look) {
    case ForcedLook::Normal:
    case ForcedLook::Focused: ShowBoxLook(BoxLook::Normal); break;
    case ForcedLook::Hover: ShowBoxLook(BoxLook::Hover); break;
    case ForcedLook::Pressed: ShowBoxLook(BoxLook::Pressed); break;
    case ForcedLook::Disabled: ShowBoxLook(BoxLook::Disabled); break;
    case ForcedLook::Inactive: return;
  }
  ShowCaptionColor(look == ForcedLook::Disabled  ? m_DisabledColor
                   : look == ForcedLook::Focused ? m_FocusColor
                                                 : m_ForeColor);
}

// Assigns the source's picture only when the bitmap handles differ, so
// repeated timer ticks never re-assign a look that is already shown. This
// copy does not pump messages afterwards.
void chk_Opaline_CheckBox::CopyPictureIfChanged(Image& source, Image& target) {
  const auto handle = [](const Image& image) { return image.picture() ? image.picture()->Handle() : 0; };
  if (handle(target) == handle(source)) return;
  target.set_picture(source.picture());
}

}  // namespace okit
