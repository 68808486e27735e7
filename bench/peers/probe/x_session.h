#pragma once
// The probe's connection to the X server: finding a program's window,
// watching its pixels through the DAMAGE extension, and typing and clicking
// through XTest, so that every toolkit is measured from outside by the same
// means.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

class XSession {
 public:
  // Connects to $DISPLAY; throws std::runtime_error when there is no display
  // or it lacks DAMAGE or XTEST.
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // The first mapped top-level window titled `title`, waiting for it until
  // `deadline`. `still_running` is asked between waits, so a program that
  // dies before showing a window ends the wait at once (it throws).
  Window wait_for_window(const std::string& title, Clock::time_point deadline,
                         const std::function<void()>& still_running);

  // From here on, drawing anywhere in `window` wakes the waits below.
  void watch(Window window);
  // The pixels of `area` (window coordinates; empty: the whole window). An
  // unmapped or resized window simply gives other pixels.
  std::vector<char> capture(const Rect& area = {});
  // Waits until the watched window's pixels have not changed for `settle`
  // and returns when they last changed (at the earliest `since`).
  Clock::time_point wait_until_quiet(Clock::time_point since, Clock::duration settle, Clock::time_point deadline);
  // Waits until the pixels of `area` differ from `before`; returns when
  // they were seen to, or nothing at `deadline`.
  std::optional<Clock::time_point> wait_for_change(const Rect& area, const std::vector<char>& before,
                                                   Clock::time_point deadline);

  // Input as a window manager and a user would give it.
  void focus_watched_window();
  // To a screen corner away from the watched window (any window, before one
  // is watched).
  void move_pointer_outside();
  void click(int window_x, int window_y);
  // Presses (and then releases) the key of the Latin letter `letter`; the
  // press is on its way to the server when this returns.
  void press_letter(char letter);
  void release_letter(char letter);

 private:
  bool matches(Window candidate, const std::string& title);
  // Waits up to `timeout` for drawing in the watched window; true if some
  // was reported (the report is then consumed).
  bool wait_for_damage(Clock::duration timeout);
  Rect watched_bounds();

  Display* display_ = nullptr;
  Window root_ = 0;
  Window watched_ = 0;
  Damage damage_ = 0;
  int damage_event_base_ = 0;
};
