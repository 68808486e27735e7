#include "backend/web/form_canvases.h"

#include <algorithm>

#include "backend/web/page.h"
#include "host/paint/rect_math.h"

namespace okit {

namespace {

bool wants_canvas(const Form& form) { return form.alive() && form.visible(); }

Rect on_page(const Form& form) {
  const Point origin = form.client_screen_origin();
  const Rect client = form.client_pixels();
  return {origin.x, origin.y, origin.x + client.width(), origin.y + client.height()};
}

// The frame's 0x00RRGGBB pixels of `area` as the canvas's RGBA bytes, each
// pixel a scale-by-scale block.
void to_rgba(const FrameBuffer& frame, const Rect& area, int scale, std::vector<std::uint8_t>& rgba) {
  const int width = area.width() * scale;
  rgba.resize(static_cast<std::size_t>(width) * area.height() * scale * 4);
  std::uint8_t* out = rgba.data();
  for (int y = 0; y < area.height() * scale; ++y) {
    const std::uint32_t* source = frame.row(area.top + y / scale) + area.left;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = source[x / scale];
      *out++ = static_cast<std::uint8_t>(pixel >> 16);
      *out++ = static_cast<std::uint8_t>(pixel >> 8);
      *out++ = static_cast<std::uint8_t>(pixel);
      *out++ = 0xFF;
    }
  }
}

}  // namespace

FormCanvases::~FormCanvases() {
  for (const FormCanvas& shown : canvases_) page::close_form(shown.id);
}

void FormCanvases::update(Desktop& desktop) {
  close_canvases_without_forms();
  const std::vector<Form*> stacking = desktop.stacking_order();
  for (std::size_t level = 0; level < stacking.size(); ++level) {
    Form& form = *stacking[level];
    if (!wants_canvas(form)) continue;
    FormCanvas& shown = canvas_for(form);
    const Rect client = on_page(form);
    if (client != shown.client || static_cast<int>(level) != shown.stacking) {
      if (client.width() != shown.client.width() || client.height() != shown.client.height()) shown.show_all = true;
      shown.client = client;
      shown.stacking = static_cast<int>(level);
      page::show_form(shown.id, client, shown.stacking, scale_);
    }
    present(shown, form);
  }
}

void FormCanvases::close_canvases_without_forms() {
  std::erase_if(canvases_, [](const FormCanvas& shown) {
    const Form* form = living_form(shown.form);
    if (form && wants_canvas(*form)) return false;
    page::close_form(shown.id);
    return true;
  });
}

FormCanvases::FormCanvas& FormCanvases::canvas_for(Form& form) {
  auto found = std::find_if(canvases_.begin(), canvases_.end(),
                            [&](const FormCanvas& shown) { return living_form(shown.form) == &form; });
  if (found != canvases_.end()) return *found;
  FormCanvas shown;
  shown.form = form.weak_from_this();
  shown.id = form.hwnd();
  canvases_.push_back(shown);
  return canvases_.back();
}

void FormCanvases::present(FormCanvas& shown, Form& form) {
  std::vector<Rect> changed = compositor_.compose_areas(form);
  const FrameBuffer* frame = compositor_.frame(form);
  if (!frame) return;
  if (shown.show_all) changed = {frame->bounds()};
  shown.show_all = false;
  for (const Rect& area : changed) {
    const Rect clipped = intersect(area, frame->bounds());
    if (is_empty(clipped)) continue;
    to_rgba(*frame, clipped, scale_, rgba_);
    page::put_pixels(shown.id, {clipped.left * scale_, clipped.top * scale_, clipped.right * scale_,
                                clipped.bottom * scale_}, rgba_.data());
  }
}

}  // namespace okit
