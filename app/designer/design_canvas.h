#pragma once
// The form being designed, in its own window and in design mode: its mouse
// and keys become Designer actions (select, drag, place, delete, nudge, undo,
// redo), and the selection is drawn over it.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/designer/designer.h"

namespace okit {

// Thin frames drawn on top of a form, around elements or where a drag would
// put them; with `handles`, a lone frame gets the three grab handles (right,
// bottom, corner) that resize. They are child elements, not controls, so the
// form file never holds them.
class SelectionFrames {
 public:
  void show(Form& form, const std::vector<Element*>& around, bool handles = false);
  void show_rects(Form& form, const std::vector<Rect>& rects, bool handles = false);  // form pixels
  void clear();

 private:
  void add(Form& form, Rect r, bool filled);
  std::vector<std::weak_ptr<Element>> frames_;
};

// Which edges a grab handle moves.
struct ResizeEdges {
  bool right = false, bottom = false;
};

// The grab handle of `r` (form pixels) under `p`, if any.
std::optional<ResizeEdges> handle_at(const Rect& r, Point p);

class DesignCanvas {
 public:
  struct Hooks {
    std::function<std::optional<std::string>()> take_tool;  // the class to place, once picked
    std::function<void()> save;                             // Ctrl+S
    std::function<void()> run;                              // F5
    std::function<void()> changed;                          // after every action
  };

  DesignCanvas(Designer& designer, Hooks hooks) : d_(designer), hooks_(std::move(hooks)) {}

  // Puts the designer's form in design mode and draws its selection; again
  // after every action, since undo loads a new form.
  void attach();
  // Places `class_name` at a screen point over the form (into the container
  // there) at its own size; false when the point is not on the form.
  bool drop(const std::string& class_name, Point screen);
  // The keys that act on the whole document (Ctrl+S saves, F5 runs), from
  // any of the designer's windows; false for any other key.
  bool shortcut(std::int16_t code, std::int16_t shift);
  // While the form runs, the canvas takes no input.
  void set_paused(bool paused) { paused_ = paused; }

 private:
  enum class Drag { None, Move, Resize, Place };

  void take(const DesignInput& input);
  void press(const DesignInput& input);
  void follow();
  void release(Element* under_cursor);
  void show_selection();
  // The lone selected control in form pixels, for its grab handles.
  std::optional<Rect> lone_selected_rect() const;
  // The rectangle from the press to the cursor, in form pixels.
  Rect dragged_rect() const;
  void key(std::int16_t code, std::int16_t shift);
  Point cursor_in_form() const;
  std::string container_at(Element* target, bool skip_selected) const;
  std::string selection_container() const;

  Designer& d_;
  Hooks hooks_;
  SelectionFrames selection_frames_;
  bool paused_ = false;
  Drag drag_ = Drag::None;
  std::string placing_;     // the class a Place drag places
  std::string placing_in_;  // and the container it goes in (empty: the form)
  ResizeEdges edges_;       // what a Resize drag moves
  Point press_at_;          // screen pixels
};

}  // namespace okit
