#pragma once
// The forms of a desktop as canvases on the page: one per shown form, at
// the form's place on the page's desktop and in its stacking order. Each
// update hands the page only the rectangles the compositor repainted.

#include <cstdint>
#include <memory>
#include <vector>

#include "host/desktop.h"
#include "host/paint/compositor.h"

namespace okit {

class FormCanvases {
 public:
  explicit FormCanvases(int scale) : scale_(scale) {}
  ~FormCanvases();
  FormCanvases(const FormCanvases&) = delete;
  FormCanvases& operator=(const FormCanvases&) = delete;

  int scale() const { return scale_; }
  // Opens, follows, repaints and closes canvases to match the forms.
  void update(Desktop& desktop);

 private:
  struct FormCanvas {
    std::weak_ptr<Dispatch> form;
    std::int32_t id = 0;
    Rect client;
    int stacking = -1;
    bool show_all = true;
  };

  void close_canvases_without_forms();
  FormCanvas& canvas_for(Form& form);
  void present(FormCanvas& shown, Form& form);

  int scale_;
  Compositor compositor_;
  std::vector<FormCanvas> canvases_;
  std::vector<std::uint8_t> rgba_;  // kept between frames: no allocation per repaint
};

}  // namespace okit
