#pragma once
// Compositor: owns the pixels. Each form has a frame the size of its client
// area, brought up to date by repainting only its dirty rectangles; the
// screen is the desktop colour with every shown form of one desktop on it,
// bottom first. Composing something that has not changed paints nothing. A
// backend owns the compositor of the desktop it presents, and decides the
// size of the screen.

#include <cstdint>
#include <memory>
#include <vector>

#include "host/dispatch.h"
#include "host/export.h"
#include "host/geometry.h"
#include "host/paint/dirty_region.h"
#include "host/paint/frame_buffer.h"

namespace okit {

class Desktop;
class Form;

// What a composition repainted: pixels written and rectangles painted.
struct OKIT_EXPORT ComposeStats {
  std::int64_t pixels = 0;
  int rectangles = 0;
};

class OKIT_EXPORT Compositor {
 public:
  // Composes the forms of `desktop` onto a screen of `screen_width` x
  // `screen_height` pixels.
  Compositor(const Desktop& desktop, int screen_width, int screen_height);
  // Composes forms' frames only, with no screen (real windows, where each
  // form is a window of its own; PNG files of one form).
  Compositor() = default;

  // Brings the form's frame up to date. The first composition of a form, and
  // the first after its client size changed, paints the whole frame.
  ComposeStats compose(Form& form);
  // The same, returning the rectangles of the frame it repainted: what a
  // backend copies to the form's window.
  std::vector<Rect> compose_areas(Form& form);
  // Composes every form of the desktop, then repaints the parts of the
  // screen that changed: where a form was repainted, or everything when a
  // form moved, resized, appeared, disappeared or changed its place in the
  // stack. The stats count screen pixels.
  ComposeStats compose_screen();

  // The form's frame as last composed, or nullptr before its first
  // composition. It stays valid, and is updated in place, until the form
  // closes or the compositor is reset.
  const FrameBuffer* frame(const Form& form) const;
  const FrameBuffer& screen() const { return screen_; }
  // Composes the screen and reads one pixel of it (0x00RRGGBB). Throws
  // std::out_of_range for a point off the screen.
  std::uint32_t screen_pixel(Point p);

 private:
  struct FormFrame {
    std::weak_ptr<Dispatch> form;
    FrameBuffer pixels;
    bool painted = false;
    DirtyRegion repainted;  // since the last screen composition
  };
  struct Placement {
    Form* form;
    Rect on_screen;
    bool operator==(const Placement&) const = default;
  };

  FormFrame& frame_for(Form& form);
  FormFrame* find_frame(const Form& form) const;
  void forget_closed_forms();
  std::vector<Placement> current_layout() const;
  std::vector<Rect> screen_damage(const std::vector<Placement>& layout);
  void repaint_screen(Rect area, const std::vector<Placement>& layout);

  // Held by pointer so that a frame handed out stays where it is while
  // frames of other forms come and go.
  const Desktop* desktop_ = nullptr;
  std::vector<std::unique_ptr<FormFrame>> frames_;
  FrameBuffer screen_;
  std::vector<Placement> layout_;
  bool screen_painted_ = false;
};

}  // namespace okit
