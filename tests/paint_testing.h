#pragma once
// Test helpers for painting: forms and elements placed in whole pixels, and
// frames read back as ASCII art so a failing test shows what was drawn.

#include <memory>
#include <string>
#include <vector>

#include "host/form.h"
#include "host/paint/compositor.h"
#include "host/paint/frame_buffer.h"
#include "host/user_control.h"

namespace okit::testing {

inline constexpr int kTwips = 15;  // twips per pixel

// A control surface with no code of its own, for drawing on with Print.
class PlainSurface : public UserControl {
 public:
  explicit PlainSurface(std::string name) : UserControl(std::move(name)) {}
  const ClassInfo& class_info() const override {
    static const ClassInfo info{"PlainSurface", "Test", {}, {}, &element_class_info()};
    return info;
  }
};

// A form of `width` x `height` client pixels filled with `back` (OLE_COLOR).
inline std::shared_ptr<Form> make_form(int width, int height, std::int32_t back = 0x00FFFFFF) {
  auto form = std::make_shared<Form>("frmPaint");
  form->set_bounds_twips(0, 0, width * kTwips, height * kTwips);
  form->put_BackColor(back);
  return form;
}

// Adds a new element of kind T to `parent` at `r` (pixels).
template <typename T>
std::shared_ptr<T> place(Element& parent, std::string name, Rect r) {
  auto element = std::make_shared<T>(std::move(name));
  parent.add_child(element);
  element->set_bounds_twips(r.left * kTwips, r.top * kTwips, r.width() * kTwips, r.height() * kTwips);
  return element;
}

// `area` of a frame as rows of '#' (pixel of colour `ink`) and '.'.
inline std::vector<std::string> ascii(const FrameBuffer& frame, Rect area, std::uint32_t ink) {
  std::vector<std::string> rows;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string row;
    for (int x = area.left; x < area.right; ++x) row += frame.pixel(x, y) == ink ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// The columns [first, last) of row `y` that have colour `ink`, as a '#'/'.'
// string: one line of ASCII art.
inline std::string ascii_row(const FrameBuffer& frame, int y, int first, int last, std::uint32_t ink) {
  return ascii(frame, {first, y, last, y + 1}, ink).front();
}

}  // namespace okit::testing
