#include "host/paint/compositor.h"

#include <stdexcept>
#include <string>

#include "host/desktop.h"
#include "host/form.h"
#include "host/paint/canvas.h"
#include "host/paint/colors.h"
#include "host/paint/dirty_region.h"
#include "host/paint/paint_tree.h"
#include "host/paint/rect_math.h"

namespace okit {

Compositor::Compositor(const Desktop& desktop, int screen_width, int screen_height)
    : desktop_(&desktop), screen_(screen_width, screen_height) {}

// A frame belongs to a form object, not to an address: a form closed and a
// new one created in its place must not inherit its pixels.
void Compositor::forget_closed_forms() {
  std::erase_if(frames_, [](const std::unique_ptr<FormFrame>& frame) {
    auto form = frame->form.lock();
    return !form || !static_cast<const Form*>(form.get())->alive();
  });
}

Compositor::FormFrame& Compositor::frame_for(Form& form) {
  if (FormFrame* found = find_frame(form)) return *found;
  frames_.push_back(std::make_unique<FormFrame>());
  frames_.back()->form = form.weak_from_this();
  return *frames_.back();
}

Compositor::FormFrame* Compositor::find_frame(const Form& form) const {
  for (const auto& frame : frames_)
    if (frame->form.lock().get() == &form) return frame.get();
  return nullptr;
}

const FrameBuffer* Compositor::frame(const Form& form) const {
  const FormFrame* found = find_frame(form);
  return found && found->painted ? &found->pixels : nullptr;
}

ComposeStats Compositor::compose(Form& form) {
  ComposeStats stats;
  for (const Rect& area : compose_areas(form)) {
    stats.pixels += okit::area(area);
    ++stats.rectangles;
  }
  return stats;
}

std::vector<Rect> Compositor::compose_areas(Form& form) {
  if (!form.alive()) return {};
  forget_closed_forms();
  FormFrame& frame = frame_for(form);
  const Rect client = form.client_pixels();
  std::vector<Rect> areas;
  if (!frame.painted || frame.pixels.width() != client.width() || frame.pixels.height() != client.height()) {
    frame.pixels.resize(client.width(), client.height());
    frame.painted = true;
    form.dirty_region().clear();
    if (!is_empty(client)) areas.push_back(client);
  } else {
    areas = form.dirty_region().take(client);
  }
  for (const Rect& area : areas) {
    Canvas canvas(frame.pixels, area);
    paint_tree(form, canvas);
    frame.repainted.add(area);
  }
  return areas;
}

std::vector<Compositor::Placement> Compositor::current_layout() const {
  std::vector<Placement> layout;
  if (!desktop_) return layout;
  for (Form* form : desktop_->stacking_order())
    if (form->visible()) layout.push_back({form, form->paint_rect()});
  return layout;
}

std::vector<Rect> Compositor::screen_damage(const std::vector<Placement>& layout) {
  if (!screen_painted_ || layout != layout_) return {screen_.bounds()};
  DirtyRegion damage;
  for (const Placement& placement : layout) {
    const FormFrame* frame = find_frame(*placement.form);
    if (!frame) continue;
    for (const Rect& r : frame->repainted.rects())
      damage.add(offset(r, {placement.on_screen.left, placement.on_screen.top}));
  }
  return damage.take(screen_.bounds());
}

void Compositor::repaint_screen(Rect area, const std::vector<Placement>& layout) {
  Canvas desktop(screen_, area);
  desktop.fill_rect(area, system_color(SystemColor::Desktop));
  for (const Placement& placement : layout) {
    if (const FrameBuffer* pixels = frame(*placement.form))
      desktop.blit(*pixels, {placement.on_screen.left, placement.on_screen.top});
  }
}

ComposeStats Compositor::compose_screen() {
  const auto layout = current_layout();
  for (const Placement& placement : layout) compose(*placement.form);
  ComposeStats stats;
  for (const Rect& area : screen_damage(layout)) {
    repaint_screen(area, layout);
    stats.pixels += okit::area(area);
    ++stats.rectangles;
  }
  for (auto& frame : frames_) frame->repainted.clear();
  layout_ = layout;
  screen_painted_ = true;
  return stats;
}

std::uint32_t Compositor::screen_pixel(Point p) {
  if (!screen_.bounds().contains(p))
    throw std::out_of_range("pixel (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") is off the " +
                            std::to_string(screen_.width()) + " x " + std::to_string(screen_.height()) + " screen");
  compose_screen();
  return screen_.pixel(p.x, p.y);
}

}  // namespace okit
