#pragma once
// One SDL window for each shown form of the desktop. The windows follow the
// forms: created when a form appears, destroyed when it goes, moved, resized
// and retitled as the form changes. Each window shows its form's frame,
// enlarged by a whole-number scale; only what the compositor repainted is
// copied to the window and handed to the display.

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/paint/compositor.h"

namespace okit {

class FormWindows {
 public:
  explicit FormWindows(int scale) : scale_(scale) {}
  ~FormWindows();
  FormWindows(const FormWindows&) = delete;
  FormWindows& operator=(const FormWindows&) = delete;

  int scale() const { return scale_; }
  // Brings every window in line with its form and shows what changed.
  void update(Desktop& desktop);
  // The form shown in a window, or nullptr when the window is not ours.
  Form* form_of(std::uint32_t window_id) const;
  SDL_Window* window_of(const Form& form) const;
  // The display lost the window's contents: the next update shows all of it.
  void exposed(std::uint32_t window_id);
  bool empty() const { return windows_.empty(); }
  SDL_Window* any_window() const { return windows_.empty() ? nullptr : windows_.front().window; }

 private:
  struct FormWindow {
    std::weak_ptr<Dispatch> form;
    SDL_Window* window = nullptr;
    Point origin;
    Rect client;
    std::string title;
    std::int16_t border_style = 0;
    bool show_all = true;
  };

  void close_windows_without_forms();
  FormWindow* find(const Form& form);
  FormWindow* open(Form& form);
  void follow(FormWindow& shown, Form& form);
  void present(FormWindow& shown, Form& form);

  Compositor compositor_;  // frames only: each form is a window of its own
  int scale_;
  std::vector<FormWindow> windows_;
};

}  // namespace okit
