// The text box's frame: three slices side by side across the whole control,
// the edit field on top of them with a 40-twip margin left and right, and
// the switch between the normal and the disabled skin. It draws nothing
// itself; it only moves the slices and copies pictures into them.

#include "controls/textbox/txt_Opaline_opal.h"

namespace okit {

namespace {

constexpr float kMinimumWidth = 135;  // both caps and a sliver of the middle
constexpr float kFieldMargin = 40;
constexpr std::int32_t kWhite = 0x00FFFFFF;
constexpr std::int32_t kDisabledInterior = 0x00EAF4F5;  // the disabled skin's inside

// Resume-next handling for one step of a look routine: a step that fails is
// skipped and the routine goes on with the next.
template <typename Step>
void resume_next(Step&& step) {
  try {
    step();
  } catch (const RuntimeError&) {
  }
}

}  // namespace

// Setting the width or the height runs this routine once more, nested, for
// the new size; every read of ScaleWidth is fresh, so the outer pass ends
// in the same layout as the nested one.
void txt_Opaline_opal::UserControl_Resize() {
  if (ScaleWidth() < kMinimumWidth) put_Width(kMinimumWidth);
  txt_text->put_Width(ScaleWidth() - 2 * kFieldMargin);
  // The control is always as high as the left cap's picture.
  put_Height(v1->Height());
  v1->put_Top(0);
  v1->put_Left(0);
  v2->put_Top(0);
  v2->put_Left(v1->Left() + v1->Width());
  v2->put_Width(ScaleWidth() - v1->Width() - v3->Width());
  v3->put_Top(0);
  v3->put_Left(v2->Left() + v2->Width());
}

void txt_Opaline_opal::UserControl_Show() { SetEnabledLook(); }

void txt_Opaline_opal::SetEnabledLook() { ShowLook(get_Enabled()); }

// The normal or the disabled skin, and a field background that blends into
// it. The field's text colour stays whatever ForeColor says.
void txt_Opaline_opal::ShowLook(bool enabled) {
  resume_next([&] { CopyPictureIfChanged(enabled ? *d1 : *a1, *v1); });
  resume_next([&] { CopyPictureIfChanged(enabled ? *d2 : *a2, *v2); });
  resume_next([&] { CopyPictureIfChanged(enabled ? *d3 : *a3, *v3); });
  resume_next([&] {
    const std::int32_t background = enabled ? kWhite : kDisabledInterior;
    if (txt_text->BackColor() != background) txt_text->put_BackColor(background);
  });
}

// The frame has only the normal and the disabled skin; every look but the
// disabled one is the normal skin.
void txt_Opaline_opal::show_forced_look(ForcedLook look) { ShowLook(look != ForcedLook::Disabled); }

// Assigns the source's picture only when the bitmap handles differ, so
// running the look routine again in the same state assigns nothing. This
// copy does not pump messages afterwards.
void txt_Opaline_opal::CopyPictureIfChanged(Image& source, Image& target) {
  const auto handle = [](const Image& image) { return image.picture() ? image.picture()->Handle() : 0; };
  if (handle(target) == handle(source)) return;
  target.set_picture(source.picture());
}

}  // namespace okit
