#include "app/designer/design_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "host/elements/shape.h"
#include "host/user_control.h"

namespace okit {

namespace {

namespace key {
inline constexpr std::int16_t Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46, F5 = 116, S = 'S', Y = 'Y',
                              Z = 'Z';
}

constexpr std::int32_t kSelectionColor = 0x0000FF;  // red, as colors are 0xBBGGRR
constexpr int kHandleSize = 5;                       // pixels, odd so a handle has a centre

Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

}  // namespace

void SelectionFrames::show(Form& form, const std::vector<Element*>& around, bool handles) {
  std::vector<Rect> rects;
  for (Element* element : around) {
    const Rect r = element->screen_rect();
    const Point at = Point{r.left, r.top} - form.screen_origin();
    rects.push_back({at.x, at.y, at.x + r.width(), at.y + r.height()});
  }
  show_rects(form, rects, handles);
}

void SelectionFrames::show_rects(Form& form, const std::vector<Rect>& rects, bool handles) {
  clear();
  for (const Rect& r : rects) add(form, {r.left - 2, r.top - 2, r.right + 2, r.bottom + 2}, false);
  if (!handles || rects.size() != 1) return;
  const Rect& r = rects.front();
  const int h = kHandleSize / 2;
  for (Point centre : {Point{r.right + 2, (r.top + r.bottom) / 2}, Point{(r.left + r.right) / 2, r.bottom + 2},
                       Point{r.right + 2, r.bottom + 2}})
    add(form, {centre.x - h, centre.y - h, centre.x + h + 1, centre.y + h + 1}, true);
}

void SelectionFrames::add(Form& form, Rect r, bool filled) {
  auto frame = std::make_shared<Shape>("");
  frame->put_FillStyle(filled ? 0 : 1);
  frame->put_FillColor(kSelectionColor);
  frame->put_BorderColor(kSelectionColor);
  frame->set_bounds_twips(r.left * kTwipsPerPixel, r.top * kTwipsPerPixel, r.width() * kTwipsPerPixel,
                          r.height() * kTwipsPerPixel);
  form.add_child(frame);
  frames_.push_back(frame);
}

void SelectionFrames::clear() {
  for (auto& frame : frames_)
    if (auto held = frame.lock(); held && held->alive()) held->destroy();
  frames_.clear();
}

std::optional<ResizeEdges> handle_at(const Rect& r, Point p) {
  const auto near = [](int a, int b) { return std::abs(a - b) <= kHandleSize / 2 + 1; };
  const bool right = near(p.x, r.right + 2), bottom = near(p.y, r.bottom + 2);
  const bool middle_x = near(p.x, (r.left + r.right) / 2), middle_y = near(p.y, (r.top + r.bottom) / 2);
  if (right && (bottom || middle_y)) return ResizeEdges{true, bottom};
  if (bottom && middle_x) return ResizeEdges{false, true};
  return std::nullopt;
}

void DesignCanvas::attach() {
  d_.desktop().set_design_hook(d_.form(), [this](Form&, const DesignInput& input) { take(input); });
  show_selection();
}

void DesignCanvas::show_selection() {
  std::vector<Element*> selected;
  for (const auto& name : d_.selection())
    if (auto control = d_.form().find_control(name)) selected.push_back(control.get());
  selection_frames_.show(d_.form(), selected, true);
}

std::optional<Rect> DesignCanvas::lone_selected_rect() const {
  if (d_.selection().size() != 1) return std::nullopt;
  auto control = d_.form().find_control(d_.selection().front());
  if (!control) return std::nullopt;
  const Rect r = control->screen_rect();
  const Point at = Point{r.left, r.top} - d_.form().screen_origin();
  return Rect{at.x, at.y, at.x + r.width(), at.y + r.height()};
}

Rect DesignCanvas::dragged_rect() const {
  const Point a = press_at_ - d_.form().screen_origin(), b = cursor_in_form();
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void DesignCanvas::take(const DesignInput& input) {
  if (paused_) return;
  if (input.kind == DesignInput::Kind::MouseMove) return follow();
  try {
    switch (input.kind) {
      case DesignInput::Kind::MouseDown: press(input); break;
      case DesignInput::Kind::MouseUp: release(input.target); break;
      case DesignInput::Kind::KeyDown: key(input.button_or_key, input.shift); break;
      case DesignInput::Kind::MouseMove: break;
    }
  } catch (const RuntimeError&) {
    // Nothing selected to move or delete, or a size too small: the designer
    // changed nothing.
  }
  hooks_.changed();
}

bool DesignCanvas::drop(const std::string& class_name, Point screen) {
  if (paused_ || !d_.form().screen_rect().contains(screen)) return false;
  Element* under = d_.desktop().element_at(screen);
  const std::string container = container_at(under && under->form() == &d_.form() ? under : nullptr, false);
  const Element& into = container.empty() ? static_cast<Element&>(d_.form()) : d_.object(container);
  const Point at = screen - into.screen_origin();
  try {
    d_.place(class_name, "", at.x, at.y, std::nullopt, container);
  } catch (const RuntimeError&) {
    return false;  // the class could not be placed there: nothing changed
  }
  hooks_.changed();
  return true;
}

Point DesignCanvas::cursor_in_form() const { return d_.desktop().cursor() - d_.form().screen_origin(); }

// With a tool picked the press starts placing its class. On a grab handle of
// the lone selected control it starts resizing. Otherwise it selects the
// innermost control under the cursor (Shift adds to the selection), so a
// control inside a frame can be picked without the frame; a press on the
// form itself clears the selection.
void DesignCanvas::press(const DesignInput& input) {
  drag_ = Drag::None;
  if (input.button_or_key != mouse_button::Left) return;
  press_at_ = d_.desktop().cursor();
  if (auto tool = hooks_.take_tool()) {
    placing_ = *tool;
    placing_in_ = container_at(input.target, false);
    drag_ = Drag::Place;
    return;
  }
  if (auto selected = lone_selected_rect()) {
    if (auto edges = handle_at(*selected, cursor_in_form())) {
      edges_ = *edges;
      drag_ = Drag::Resize;
      return;
    }
  }
  Element* control = input.target ? control_holding(input.target) : nullptr;
  if (!control || control->form() != &d_.form()) {
    d_.clear_selection();
    return;
  }
  const bool add = (input.shift & shift_mask::Shift) != 0;
  if (!add && std::find(d_.selection().begin(), d_.selection().end(), control->name()) == d_.selection().end())
    d_.clear_selection();
  d_.select(control->name(), true);
  drag_ = Drag::Move;
}

// The innermost container control holding `target`, passing over the
// selected controls when `skip_selected` (a control dropped on itself stays
// where it was): a control placed or dropped there goes inside it. Empty for
// the form.
std::string DesignCanvas::container_at(Element* target, bool skip_selected) const {
  const auto selected = [&](const Element* e) {
    return skip_selected && std::find(d_.selection().begin(), d_.selection().end(), e->name()) != d_.selection().end();
  };
  for (Element* e = target ? control_holding(target) : nullptr; e && e != &d_.form();
       e = e->parent() ? control_holding(e->parent()) : nullptr) {
    auto* surface = dynamic_cast<UserControl*>(e);
    if (surface && surface->is_container() && e->form() == &d_.form() && !selected(e)) return e->name();
  }
  return "";
}

// Where the selected controls are now: their container's name, or empty
// when they are on the form or not all in one place.
std::string DesignCanvas::selection_container() const {
  std::optional<std::string> common;
  for (const auto& name : d_.selection()) {
    Element* parent = d_.form().find_control(name)->parent();
    Element* holder = parent ? control_holding(parent) : nullptr;
    const std::string here = holder ? holder->name() : "";
    if (common && *common != here) return "";
    common = here;
  }
  return common.value_or("");
}

// While a drag lasts the frames show where it would leave things; nothing
// changes before the button is released.
void DesignCanvas::follow() {
  const Point by = d_.desktop().cursor() - press_at_;
  std::vector<Rect> outline;
  if (drag_ == Drag::Place) {
    outline.push_back(dragged_rect());
  } else if (drag_ == Drag::Resize) {
    Rect r = *lone_selected_rect();
    if (edges_.right) r.right = std::max(r.left + 1, r.right + by.x);
    if (edges_.bottom) r.bottom = std::max(r.top + 1, r.bottom + by.y);
    outline.push_back(r);
  } else if (drag_ == Drag::Move) {
    for (const auto& name : d_.selection()) {
      const Rect r = d_.form().find_control(name)->screen_rect();
      const Point at = Point{r.left, r.top} - d_.form().screen_origin() + by;
      outline.push_back({at.x, at.y, at.x + r.width(), at.y + r.height()});
    }
  } else {
    return;
  }
  selection_frames_.show_rects(d_.form(), outline);
}

// A drag is one edit when the button is released, snapped to the grid by
// the Designer: a move (into the container under the cursor when that is
// another), a resize, or a placing (a click without dragging places the
// control at its own size).
void DesignCanvas::release(Element* under_cursor) {
  const Drag drag = std::exchange(drag_, Drag::None);
  const Point by = d_.desktop().cursor() - press_at_;
  if (drag == Drag::Place) {
    const Rect r = dragged_rect();
    const bool sized = r.width() >= kHandleSize && r.height() >= kHandleSize;
    Element& into = placing_in_.empty() ? static_cast<Element&>(d_.form()) : d_.object(placing_in_);
    const Point at = Point{r.left, r.top} + d_.form().screen_origin() - into.screen_origin();
    d_.place(placing_, "", at.x, at.y, sized ? std::optional(Size{r.width(), r.height()}) : std::nullopt,
             placing_in_);
  } else if (drag == Drag::Resize) {
    const Rect r = *lone_selected_rect();
    d_.resize(r.width() + (edges_.right ? by.x : 0), r.height() + (edges_.bottom ? by.y : 0));
  } else if (drag == Drag::Move && (by.x != 0 || by.y != 0)) {
    const std::string into = container_at(under_cursor, true);
    if (into == selection_container()) d_.move(by.x, by.y);
    else d_.move_into(by.x, by.y, into.empty() ? d_.form().name() : into);
  }
}

bool DesignCanvas::shortcut(std::int16_t code, std::int16_t shift) {
  const bool ctrl = (shift & shift_mask::Ctrl) != 0;
  if (code == key::S && ctrl) hooks_.save();
  else if (code == key::F5) hooks_.run();
  else return false;
  return true;
}

void DesignCanvas::key(std::int16_t code, std::int16_t shift) {
  if (shortcut(code, shift)) return;
  const bool ctrl = (shift & shift_mask::Ctrl) != 0;
  switch (code) {
    case key::Delete: d_.delete_selection(); break;
    case key::Left: d_.nudge(Direction::Left, ctrl); break;
    case key::Right: d_.nudge(Direction::Right, ctrl); break;
    case key::Up: d_.nudge(Direction::Up, ctrl); break;
    case key::Down: d_.nudge(Direction::Down, ctrl); break;
    case key::Z: if (ctrl) d_.undo(); break;
    case key::Y: if (ctrl) d_.redo(); break;
    default: break;
  }
}

}  // namespace okit
