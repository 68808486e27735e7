#pragma once
// What the web backend asks of the page it runs in (web/okit_page.js): a
// canvas per form, placed where the form stands on the page's desktop, the
// pixels of the rectangles that changed, one browser timer, and where the
// hidden text field sits so the browser's input method shows beside the
// caret, and the text copied to the clipboard. Each call is one short JavaScript function.

#include <cstdint>
#include <string_view>

#include "host/geometry.h"

namespace okit::page {

// Creates the form's canvas or follows its new place, size or stacking:
// `client` is in desktop pixels, the canvas holds `scale` pixels for each.
void show_form(std::int32_t id, Rect client, int stacking, int scale);
void close_form(std::int32_t id);
// RGBA pixels for `area` of the canvas, in canvas pixels, row by row.
void put_pixels(std::int32_t id, Rect area, const std::uint8_t* rgba);
// Calls okit_timer after `ms` milliseconds, replacing the call armed
// before; a negative `ms` arms nothing.
void arm_timer(double ms);
// Where the caret line of the focused text field is, in desktop pixels.
void place_text_input(Rect caret_line);
// A text box put `text` on the clipboard: the page passes it to the
// system clipboard (see web_clipboard.h).
void clipboard_written(std::string_view text);
// The milliseconds since the page started, from the browser's clock.
double now_ms();
// The page's devicePixelRatio as a whole number, at least 1.
int device_pixel_scale();

}  // namespace okit::page
