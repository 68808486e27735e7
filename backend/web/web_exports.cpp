// The functions the page calls from its event listeners (web/okit_page.js),
// each handed to the running backend. Strings arrive as UTF-8.

#include <emscripten.h>

#include "backend/web/web_backend.h"

namespace {

template <typename Call>
void to_backend(Call call) {
  if (okit::WebBackend* backend = okit::WebBackend::current()) call(*backend);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void okit_mouse_move(int x, int y, int shift) {
  to_backend([&](okit::WebBackend& b) { b.mouse_move({x, y}, static_cast<std::int16_t>(shift)); });
}

EMSCRIPTEN_KEEPALIVE void okit_mouse_button(int pressed, int button, int shift, int clicks) {
  to_backend([&](okit::WebBackend& b) {
    b.mouse_button(pressed != 0, static_cast<std::int16_t>(button), static_cast<std::int16_t>(shift), clicks);
  });
}

EMSCRIPTEN_KEEPALIVE void okit_key(int pressed, const char* dom_code, int shift) {
  to_backend([&](okit::WebBackend& b) { b.key(pressed != 0, dom_code, static_cast<std::int16_t>(shift)); });
}

EMSCRIPTEN_KEEPALIVE void okit_text(const char* utf8) {
  to_backend([&](okit::WebBackend& b) { b.text(utf8); });
}

EMSCRIPTEN_KEEPALIVE void okit_compose(const char* utf8) {
  to_backend([&](okit::WebBackend& b) { b.compose(utf8); });
}

EMSCRIPTEN_KEEPALIVE void okit_page_focus(int focused) {
  to_backend([&](okit::WebBackend& b) { b.page_focus(focused != 0); });
}

EMSCRIPTEN_KEEPALIVE void okit_paste_text(const char* utf8) {
  to_backend([&](okit::WebBackend& b) { b.paste_text(utf8); });
}

EMSCRIPTEN_KEEPALIVE void okit_timer() {
  to_backend([](okit::WebBackend& b) { b.timer_due(); });
}

}  // extern "C"
