#pragma once
// CommandButton: a windowed push button. With the focus it is clicked by
// Enter at once and by Space on release (holding Space and letting go is one
// click however long the key repeats); its access key clicks it too.

#include <string>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class OKIT_EXPORT CommandButton : public Element {
 public:
  explicit CommandButton(std::string name);
  const ClassInfo& class_info() const override;
  Description describe() override;
  bool can_take_focus() const override { return true; }
  void key_down(std::int16_t& key_code, std::int16_t& shift) override;
  void key_up(std::int16_t& key_code, std::int16_t& shift) override;
  char access_key() const override;
  void activate_access_key() override;

  const std::string& Caption() const { return caption_; }
  void put_Caption(std::string v) { set_and_invalidate(caption_, std::move(v)); }
  // The form's Enter and Escape buttons; the desktop routes those keys.
  bool Default() const { return default_; }
  void put_Default(bool v) { default_ = v; }
  bool Cancel() const { return cancel_; }
  void put_Cancel(bool v) { cancel_ = v; }

  // A raised classic push button with its caption centred; the focused
  // button has a dark frame around it.
  void paint(Canvas& canvas) const override;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  bool space_held_ = false;
};

}  // namespace okit
