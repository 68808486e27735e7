#pragma once
// The SDL backend: runs the desktop with real windows. Its loop sleeps until
// input arrives or the next timer falls due, turns SDL's events into the
// desktop's mouse, keyboard and activation messages, advances the desktop's
// clock by the real time that passed, and shows what the forms repainted.
// It also gives the desktop a move loop that drags real windows and the
// system clipboard, and lets the system's input methods compose into text
// fields.

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "backend/sdl/sdl_event_wait.h"
#include "backend/sdl/sdl_windows.h"
#include "backend/sdl/stop_requests.h"
#include "host/desktop.h"

namespace okit {

// SDL's video subsystem, for as long as this lives. Without a display
// `available()` is false and nothing else may be used.
class SdlVideo {
 public:
  SdlVideo();
  ~SdlVideo();
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;
  bool available() const { return available_; }

 private:
  bool available_ = false;
};

class SdlBackend final : private AccessibilityScreen {
 public:
  // SDL's video subsystem must be initialised.
  SdlBackend(Desktop& desktop, int scale);
  ~SdlBackend();
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  // Publishes the forms on the accessibility bus as `program`, so screen
  // readers can read and operate them, from the moment run() has shown the
  // first frame: the bridge's connections to the buses take some 10 ms that
  // the first frame need not wait for.
  void publish_accessibility(const std::string& program);
  // Runs until no form is left, or until a signal asks the program to stop
  // and every form has been unloaded.
  void run();
  // The signal that stopped run(), 0 when the forms closed by themselves.
  int stop_signal() const { return stop_signal_; }
  // What the program's last words said then (see StopRequests).
  const std::string& stop_note() const { return stop_note_; }
  // Handles what is waiting without sleeping: input that arrived, timers
  // that are due, posted messages; then shows what changed.
  void handle_pending();

 private:
  void wait_and_handle_events();
  int milliseconds_until_due() const;
  void advance_clock();
  void update_cursor_from_system();
  void handle(const SDL_Event& event);
  void dispatch(const SDL_Event& event);
  void handle_window_event(const SDL_WindowEvent& event);
  void handle_mouse_motion(const SDL_MouseMotionEvent& event);
  void handle_mouse_button(const SDL_MouseButtonEvent& event);
  void handle_key(const SDL_KeyboardEvent& event);
  void handle_text_editing(const SDL_Event& event);
  void handle_text_input(const SDL_TextInputEvent& event);
  void follow_text_input();
  void give_focus_to_clicked_window(Form& form);
  Point screen_point(Form& form, int x, int y) const;
  void move_loop(Element& window);
  Rect on_screen(const Form& form, Rect client) const override;

  Desktop& desktop_;
  FormWindows windows_;
  EventWait event_wait_;
  StopRequests stop_requests_;
  int stop_signal_ = 0;
  std::string stop_note_;
  std::optional<std::string> accessibility_program_;
  std::unique_ptr<AccessibilityBridge> accessibility_;
  double clock_offset_;  // desktop time minus real time, in ms
  bool focus_left_application_ = false;
  bool dragging_ = false;
  // Whether the input method composes, as its last event said.
  bool input_method_composing_ = false;
  // Where the input method was last told the caret is.
  std::uint32_t text_input_window_ = 0;
  SDL_Rect text_input_rect_{};
};

// The real time in milliseconds, from a steady clock.
double real_milliseconds();

}  // namespace okit
