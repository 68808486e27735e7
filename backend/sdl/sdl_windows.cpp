#include "backend/sdl/sdl_windows.h"

#include <algorithm>

#include "host/paint/compositor.h"
#include "host/paint/rect_math.h"

namespace okit {

namespace {

bool wants_window(const Form& form) { return form.alive() && form.visible(); }

SDL_Rect scaled(const Rect& r, int scale) {
  return {r.left * scale, r.top * scale, r.width() * scale, r.height() * scale};
}

// Copies one rectangle of the frame into the window surface, each pixel
// becoming a scale-by-scale block. The surface may use another pixel layout
// than the frame's 0x00RRGGBB, so SDL converts on the way.
void copy_area(const FrameBuffer& frame, const Rect& area, SDL_Surface& surface, int scale) {
  const SDL_Rect target = scaled(area, scale);
  auto* dst = static_cast<std::uint8_t*>(surface.pixels) + static_cast<std::ptrdiff_t>(target.y) * surface.pitch +
              static_cast<std::ptrdiff_t>(target.x) * surface.format->BytesPerPixel;
  if (scale == 1) {
    SDL_ConvertPixels(area.width(), area.height(), SDL_PIXELFORMAT_RGB888, frame.row(area.top) + area.left,
                      frame.stride() * 4, surface.format->format, dst, surface.pitch);
    return;
  }
  std::vector<std::uint32_t> block(static_cast<std::size_t>(target.w) * target.h);
  for (int y = 0; y < area.height(); ++y) {
    const std::uint32_t* src = frame.row(area.top + y) + area.left;
    std::uint32_t* first_row = block.data() + static_cast<std::size_t>(y) * scale * target.w;
    for (int x = 0; x < area.width(); ++x) std::fill_n(first_row + x * scale, scale, src[x]);
    for (int copy = 1; copy < scale; ++copy) std::copy_n(first_row, target.w, first_row + copy * target.w);
  }
  SDL_ConvertPixels(target.w, target.h, SDL_PIXELFORMAT_RGB888, block.data(), target.w * 4, surface.format->format,
                    dst, surface.pitch);
}

// Without shared memory, X11 sends each updated rectangle as one request, and
// the server refuses requests beyond a few megabytes: a large window updated
// in one piece would stay black. Bands of at most a megabyte stay well below.
void add_in_bands(const SDL_Rect& r, std::vector<SDL_Rect>& out) {
  constexpr int kMaxBandBytes = 1 << 20;
  const int rows = std::max(1, kMaxBandBytes / (std::max(1, r.w) * 4));
  for (int top = r.y; top < r.y + r.h; top += rows) out.push_back({r.x, top, r.w, std::min(rows, r.y + r.h - top)});
}

}  // namespace

FormWindows::~FormWindows() {
  for (FormWindow& shown : windows_) SDL_DestroyWindow(shown.window);
}

void FormWindows::update(Desktop& desktop) {
  close_windows_without_forms();
  for (const auto& form : desktop.forms()) {
    if (!wants_window(*form)) continue;
    FormWindow* shown = find(*form);
    if (!shown) shown = open(*form);
    if (!shown) continue;
    follow(*shown, *form);
    present(*shown, *form);
  }
}

void FormWindows::close_windows_without_forms() {
  std::erase_if(windows_, [](FormWindow& shown) {
    const Form* form = living_form(shown.form);
    if (form && wants_window(*form)) return false;
    SDL_DestroyWindow(shown.window);
    return true;
  });
}

FormWindows::FormWindow* FormWindows::find(const Form& form) {
  auto found = std::find_if(windows_.begin(), windows_.end(),
                            [&](const FormWindow& shown) { return living_form(shown.form) == &form; });
  return found == windows_.end() ? nullptr : &*found;
}

Form* FormWindows::form_of(std::uint32_t window_id) const {
  for (const FormWindow& shown : windows_)
    if (SDL_GetWindowID(shown.window) == window_id) return living_form(shown.form);
  return nullptr;
}

SDL_Window* FormWindows::window_of(const Form& form) const {
  for (const FormWindow& shown : windows_)
    if (living_form(shown.form) == &form) return shown.window;
  return nullptr;
}

void FormWindows::exposed(std::uint32_t window_id) {
  for (FormWindow& shown : windows_)
    if (SDL_GetWindowID(shown.window) == window_id) shown.show_all = true;
}

FormWindows::FormWindow* FormWindows::open(Form& form) {
  FormWindow shown;
  shown.form = form.weak_from_this();
  shown.origin = form.client_screen_origin();
  shown.client = form.client_pixels();
  shown.title = form.window_title();
  shown.border_style = form.border_style();
  // A window of no size is not allowed; an empty form still gets one pixel.
  const int width = std::max(1, shown.client.width()) * scale_, height = std::max(1, shown.client.height()) * scale_;
  const Uint32 flags = shown.border_style == 0 ? SDL_WINDOW_BORDERLESS : 0;
  shown.window = SDL_CreateWindow(shown.title.c_str(), shown.origin.x * scale_, shown.origin.y * scale_, width,
                                  height, flags);
  if (!shown.window) return nullptr;
  windows_.push_back(std::move(shown));
  return &windows_.back();
}

// Code may move, resize, retitle or reframe a form at any time; the window
// takes over each change.
void FormWindows::follow(FormWindow& shown, Form& form) {
  if (const Point origin = form.client_screen_origin(); origin != shown.origin) {
    shown.origin = origin;
    SDL_SetWindowPosition(shown.window, origin.x * scale_, origin.y * scale_);
  }
  if (const Rect client = form.client_pixels(); client != shown.client) {
    shown.client = client;
    SDL_SetWindowSize(shown.window, std::max(1, client.width()) * scale_, std::max(1, client.height()) * scale_);
    shown.show_all = true;
  }
  if (form.window_title() != shown.title) {
    shown.title = form.window_title();
    SDL_SetWindowTitle(shown.window, shown.title.c_str());
  }
  if (form.border_style() != shown.border_style) {
    shown.border_style = form.border_style();
    SDL_SetWindowBordered(shown.window, shown.border_style == 0 ? SDL_FALSE : SDL_TRUE);
  }
}

void FormWindows::present(FormWindow& shown, Form& form) {
  std::vector<Rect> changed = compositor_.compose_areas(form);
  const FrameBuffer* frame = compositor_.frame(form);
  if (!frame) return;
  if (shown.show_all) changed = {frame->bounds()};
  SDL_Surface* surface = SDL_GetWindowSurface(shown.window);
  if (!surface) return;
  const Rect fits = intersect(frame->bounds(), {0, 0, surface->w / scale_, surface->h / scale_});
  std::vector<SDL_Rect> updated;
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  for (const Rect& area : changed) {
    const Rect clipped = intersect(area, fits);
    if (is_empty(clipped)) continue;
    copy_area(*frame, clipped, *surface, scale_);
    add_in_bands(scaled(clipped, scale_), updated);
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  shown.show_all = false;
  if (!updated.empty()) SDL_UpdateWindowSurfaceRects(shown.window, updated.data(), static_cast<int>(updated.size()));
}

}  // namespace okit
