#pragma once
// Label: a caption drawn as text. An auto-sizing label fits itself to its
// caption in the default font (regular or bold): to the widest line, or,
// with WordWrap, to the lines that fit its width (it then grows downwards only). A label that does
// not size itself wraps its caption at its width.

#include <cstdint>
#include <string>
#include <vector>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class OKIT_EXPORT Label : public Element {
 public:
  explicit Label(std::string name);
  const ClassInfo& class_info() const override;
  Description describe() override;
  char access_key() const override;

  const std::string& Caption() const { return caption_; }
  void put_Caption(std::string v);
  std::int32_t ForeColor() const { return fore_color_; }
  void put_ForeColor(std::int32_t v) { set_and_invalidate(fore_color_, v); }
  std::int32_t BackColor() const { return back_color_; }
  void put_BackColor(std::int32_t v) { set_and_invalidate(back_color_, v); }
  std::int16_t BackStyle() const { return back_style_; }  // 0 transparent, 1 opaque
  void put_BackStyle(std::int16_t v);
  bool AutoSize() const { return auto_size_; }
  void put_AutoSize(bool v);
  std::int16_t Alignment() const { return alignment_; }  // 0 left, 1 right, 2 centre
  void put_Alignment(std::int16_t v);
  bool WordWrap() const { return word_wrap_; }
  void put_WordWrap(bool v);
  bool UseMnemonic() const { return use_mnemonic_; }
  void put_UseMnemonic(bool v);
  // Bold text: each glyph one pixel wider, as the bold classic face draws.
  bool FontBold() const { return font_bold_; }
  void put_FontBold(bool v);

  // The lines the label shows at its current size, access-key markers
  // removed: what sizing measures and what drawing draws.
  std::vector<std::string> display_lines() const;

  // Fills an opaque background and draws the lines in ForeColor, or in the
  // embossed grey of disabled text.
  void paint(Canvas& canvas) const override;

 protected:
  void on_resized() override;

 private:
  void apply_auto_size();
  bool wraps() const { return !auto_size_ || word_wrap_; }

  std::string caption_;
  std::int32_t fore_color_ = static_cast<std::int32_t>(0x80000012);
  std::int32_t back_color_ = static_cast<std::int32_t>(0x8000000F);
  std::int16_t back_style_ = 1;
  std::int16_t alignment_ = 0;
  bool auto_size_ = false;
  bool word_wrap_ = false;
  bool use_mnemonic_ = true;
  bool font_bold_ = false;
};

}  // namespace okit
