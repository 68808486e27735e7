#include "backend/web/web_backend.h"

#include <cmath>

#include "backend/web/page.h"
#include "backend/web/web_clipboard.h"
#include "backend/web/web_keys.h"
#include "host/move_with_cursor.h"

namespace okit {

namespace {
WebBackend* g_current = nullptr;
}

WebBackend::WebBackend(Desktop& desktop, int scale)
    : desktop_(desktop), canvases_(scale), clock_offset_(desktop.now() - page::now_ms()) {
  desktop_.set_move_loop([this](Element& window) { move_loop(window); });
  auto clipboard = std::make_unique<WebClipboard>();
  clipboard_ = clipboard.get();
  desktop_.install_clipboard(std::move(clipboard));
  g_current = this;
}

WebBackend::~WebBackend() {
  g_current = nullptr;
  desktop_.set_move_loop(nullptr);
  desktop_.install_clipboard(nullptr);
  page::arm_timer(-1);
}

WebBackend* WebBackend::current() { return g_current; }

// Input arrives one event at a time from the page, and a run-time error a
// handler raised has no caller here: the desktop reports it to the
// application, as for timers.
template <typename Input>
void WebBackend::handle(Input&& input) {
  advance_clock();
  try {
    input();
  } catch (const RuntimeError& error) {
    desktop_.report(error);
  }
  update();
}

void WebBackend::update() {
  desktop_.do_events();
  canvases_.update(desktop_);
  follow_text_input();
  arm_timer();
}

// A browser page cannot wait inside a handler, so DragWindow's loop cannot
// run nested as on the desktop: it marks the window, returns, and the
// following moves carry the window until the left button is released.
void WebBackend::move_loop(Element& window) {
  if (!dragged_.expired()) return;
  dragged_ = window.weak_from_this();
}

void WebBackend::mouse_move(Point p, std::int16_t shift) {
  handle([&] {
    auto locked = dragged_.lock();
    auto* window = static_cast<Element*>(locked.get());
    if (!window || !window->alive()) {
      desktop_.mouse_move(p, shift);
      return;
    }
    move_with_cursor(desktop_, *window, p);
  });
}

void WebBackend::mouse_button(bool pressed, std::int16_t button, std::int16_t shift, int clicks) {
  handle([&] {
    if (!pressed) {
      desktop_.mouse_up(button, shift);
      if (!(desktop_.buttons_held() & mouse_button::Left)) dragged_.reset();
      return;
    }
    // A press on a form activates it first, as a click on a window does.
    Element* target = desktop_.element_at(desktop_.cursor());
    Form* form = target ? target->form() : nullptr;
    if (form && desktop_.active_form() != form) desktop_.activate(form);
    // The browser decides what makes a double click: a press it counts as a
    // first click never joins the one before.
    if (clicks < 2) desktop_.forget_last_press();
    desktop_.mouse_down(button, shift);
  });
}

void WebBackend::key(bool pressed, std::string_view dom_code, std::int16_t shift) {
  handle([&] {
    const std::int16_t code = key_code_for_dom(dom_code);
    if (!pressed) {
      if (code) desktop_.key_up(code, shift);
      return;
    }
    if (code) desktop_.key_down(code, shift);
    if (const std::int16_t ch = control_character_for_dom(dom_code, shift)) desktop_.key_press(ch);
  });
}

void WebBackend::text(std::string_view utf8) {
  handle([&] { desktop_.commit_text(utf8); });
}

void WebBackend::compose(std::string_view utf8) {
  handle([&] { desktop_.compose_text(utf8); });
}

void WebBackend::page_focus(bool focused) {
  handle([&] {
    if (!focused) {
      if (Form* active = desktop_.active_form()) active_before_blur_ = active->weak_from_this();
      desktop_.activate(nullptr);
      return;
    }
    if (Form* form = living_form(active_before_blur_)) desktop_.activate(form);
  });
}

void WebBackend::paste_text(std::string_view utf8) { clipboard_->take_pasted(std::string(utf8)); }

void WebBackend::timer_due() {
  handle([] {});
}

void WebBackend::advance_clock() {
  const double now = page::now_ms() + clock_offset_;
  if (now > desktop_.now()) desktop_.advance(now - desktop_.now());
}

// One browser timer, for the next due timer only; none while no timer runs.
void WebBackend::arm_timer() {
  const double due = desktop_.timers().next_due();
  if (due < 0) {
    page::arm_timer(-1);
    return;
  }
  // Whole milliseconds, rounded up: a browser timer may fire up to a
  // millisecond early, and a wake-up before the timer is due is wasted.
  const double left = due - (page::now_ms() + clock_offset_);
  page::arm_timer(left <= 0 ? 0 : std::ceil(left));
}

// The hidden text field follows the caret, so the browser's input method
// shows its candidates beside it.
void WebBackend::follow_text_input() {
  const std::optional<TextInputSpot> spot = desktop_.text_input_spot();
  if (spot == text_spot_) return;
  text_spot_ = spot;
  if (spot) page::place_text_input(spot->caret_line);
}

}  // namespace okit
