// The frame's record: its factory, its members by name, and how designers
// and review sheets show it.

#include "controls/frame/fam_Opaline_Framebordder.h"
#include "controls/records.h"

namespace okit {

const ControlRecord& frame_record() {
  using F = fam_Opaline_Framebordder;
  static const ControlRecord record{
      "fam_Opaline_Framebordder",
      [] { return std::make_shared<F>(); },
      {
          accessor<&F::get_Enabled, &F::put_Enabled>("Enabled"),
          accessor<&F::get_hwnd>("hwnd"),
          accessor<&F::get_Caption, &F::put_Caption>("Caption"),
          accessor<&F::get_BackColor, &F::put_BackColor>("BackColor"),
          accessor<&F::get_ReturnCaption, &F::put_ReturnCaption>("ReturnCaption"),
      },
      "Frame",
      "Frame",
      {{"Frame border",
        Size{160, 64},
        put_property("Caption", Value("Frame")),
        {forced_look("normal", ForcedLook::Normal), disabled_look()}}},
  };
  return record;
}

const ClassInfo& fam_Opaline_Framebordder::class_info() const {
  static const ClassInfo info = bind_record(frame_record());
  return info;
}

}  // namespace okit
