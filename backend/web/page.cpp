#include "backend/web/page.h"

#include <emscripten.h>

// The page object is Module.okitPage, set up by web/okit_page.js before the
// runtime starts.

// clang-format off
EM_JS(void, okit_page_show_form, (int id, int x, int y, int width, int height, int stacking, int scale), {
  Module.okitPage.showForm(id, x, y, width, height, stacking, scale);
});
EM_JS(void, okit_page_close_form, (int id), { Module.okitPage.closeForm(id); });
EM_JS(void, okit_page_put_pixels, (int id, int x, int y, int width, int height, const void* rgba), {
  Module.okitPage.putPixels(id, x, y, width, height, HEAPU8.subarray(rgba, rgba + width * height * 4));
});
EM_JS(void, okit_page_arm_timer, (double ms), { Module.okitPage.armTimer(ms); });
EM_JS(void, okit_page_place_text_input, (int x, int y, int height), { Module.okitPage.placeTextInput(x, y, height); });
EM_JS(void, okit_page_clipboard_written, (const char* data, int size), {
  Module.okitPage.clipboardWritten(UTF8ToString(data, size));
});
EM_JS(double, okit_page_now, (), { return performance.now(); });
EM_JS(int, okit_page_device_pixel_scale, (), { return Math.max(1, Math.floor(window.devicePixelRatio || 1)); });
// clang-format on

namespace okit::page {

void show_form(std::int32_t id, Rect client, int stacking, int scale) {
  okit_page_show_form(id, client.left, client.top, client.width(), client.height(), stacking, scale);
}

void close_form(std::int32_t id) { okit_page_close_form(id); }

void put_pixels(std::int32_t id, Rect area, const std::uint8_t* rgba) {
  okit_page_put_pixels(id, area.left, area.top, area.width(), area.height(), rgba);
}

void arm_timer(double ms) { okit_page_arm_timer(ms); }

void place_text_input(Rect caret_line) {
  okit_page_place_text_input(caret_line.left, caret_line.top, caret_line.height());
}

void clipboard_written(std::string_view text) {
  okit_page_clipboard_written(text.data(), static_cast<int>(text.size()));
}

double now_ms() { return okit_page_now(); }

int device_pixel_scale() { return okit_page_device_pixel_scale(); }

}  // namespace okit::page
