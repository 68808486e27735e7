#pragma once
// The web backend: runs a desktop inside a browser page. Nothing runs on its
// own: the page calls in from its event listeners (web_exports.cpp) and from
// the one browser timer the backend arms for the next due timer; after each
// call the backend advances the desktop's clock by the real time that
// passed, processes posted messages, hands the page the rectangles that
// were repainted and arms the timer again. While nothing changes and no
// timer runs the page does nothing at all.
//
// Forms stand on the page's desktop area at their screen positions (one
// canvas each); the caption control's drag moves them there. The page's
// focus is the activation: when it goes to another page or program the
// active form is deactivated, and it comes back with the focus.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "backend/web/form_canvases.h"
#include "host/desktop.h"

namespace okit {

class WebClipboard;

class WebBackend {
 public:
  // `scale`: canvas pixels per desktop pixel (the page's whole-number
  // devicePixelRatio), so forms stay crisp on dense screens.
  WebBackend(Desktop& desktop, int scale);
  ~WebBackend();
  WebBackend(const WebBackend&) = delete;
  WebBackend& operator=(const WebBackend&) = delete;

  // The backend the page's calls go to, null while none runs.
  static WebBackend* current();

  // Input from the page, in desktop pixels. `clicks` is the browser's count
  // of the press (2 for a double click's second).
  void mouse_move(Point p, std::int16_t shift);
  void mouse_button(bool pressed, std::int16_t button, std::int16_t shift, int clicks);
  void key(bool pressed, std::string_view dom_code, std::int16_t shift);
  // Text typed or committed by an input method, and an input method's
  // composition (empty: cancelled).
  void text(std::string_view utf8);
  void compose(std::string_view utf8);
  void page_focus(bool focused);
  // The system clipboard's text at a paste, before the key that pasted.
  void paste_text(std::string_view utf8);
  void timer_due();

  // Brings the page up to date; the calls above end with it.
  void update();

 private:
  template <typename Input>
  void handle(Input&& input);
  void move_loop(Element& window);
  void advance_clock();
  void arm_timer();
  void follow_text_input();

  Desktop& desktop_;
  FormCanvases canvases_;
  double clock_offset_;  // desktop time minus page time, in ms
  std::weak_ptr<Dispatch> dragged_;
  std::weak_ptr<Dispatch> active_before_blur_;
  std::optional<TextInputSpot> text_spot_;
  WebClipboard* clipboard_;  // the desktop's while the backend runs
};

}  // namespace okit
