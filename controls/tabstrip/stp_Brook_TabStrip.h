#pragma once
// stp_Brook_TabStrip: a fixed-size panel with two tabs along its top edge, a
// band with a one-line description under them, a light content area and a
// bottom bar. A click on a tab, or on its caption, selects it: the selected
// tab shows the larger, filled on-picture in front of the other, which shows
// the light off-picture one pixel lower. The control has no properties or
// events of its own and persists nothing; the selection exists only in the
// pictures the two tab images show.

#include <memory>

#include "host/elements/image.h"
#include "host/elements/label.h"
#include "host/elements/shape.h"
#include "host/export.h"
#include "host/user_control.h"

namespace okit {

class OKIT_EXPORT stp_Brook_TabStrip : public UserControl {
 public:
  stp_Brook_TabStrip();
  const ClassInfo& class_info() const override;  // tabstrip_record.cpp
  Description describe() override;                // tabstrip_description.cpp

  // Whatever size it is given, the control takes the size of its bottom bar.
  void UserControl_Resize() override;

 private:
  // Interaction (tabstrip_interaction.cpp)
  void connect_handlers();
  void img_caption1_Click();
  void lbl_caption1_Click();
  void img_caption2_Click();
  void lbl_caption2_Click();
  void SelectTab(const Image& picture1, const Image& picture2, float top1, float top2, Image& front_tab,
                 Label& front_caption);
  void CopyPictureIfChanged(const Image& source, Image& target);

  // Child elements from the design-time layout.
  std::shared_ptr<Image> img_caption2;
  std::shared_ptr<Shape> Shape1, Shape2, Shape3;
  std::shared_ptr<Label> lbl_caption2, Label3;
  std::shared_ptr<Image> img_on, img_off, img_caption1;
  std::shared_ptr<Label> lbl_caption1;
};

}  // namespace okit
