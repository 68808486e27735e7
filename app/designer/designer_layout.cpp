// The designer's layout edits: placing, moving, sizing, deleting and nesting
// controls, all in pixels of the container a control sits in.

#include <algorithm>
#include <cmath>
#include <map>

#include "app/designer/designer.h"
#include "host/form_loader.h"
#include "host/place_control.h"
#include "host/user_control.h"
#include "library/class_registry.h"

namespace okit {

namespace {

constexpr double px = kTwipsPerPixel;

int pixels(double twips) { return static_cast<int>(std::lround(twips / px)); }

// The name a designer gives the first control of a class, before its number:
// a control's record says it; the host's kinds have their classic ones.
std::string base_name(const std::string& class_name) {
  for (const ControlRecord* record : class_registry().records())
    if (equals_ignore_case(record->class_name, class_name)) return std::string(record->designer_base_name);
  static const std::map<std::string, std::string, std::less<>> host_names = {
      {"commandbutton", "Command"}, {"textbox", "Text"}, {"picturebox", "Picture"}};
  std::string key = class_name;
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  const auto found = host_names.find(key);
  return found != host_names.end() ? found->second : class_name;
}

bool is_inside(const Element& e, const Element& ancestor) {
  for (const Element* p = e.parent(); p; p = p->parent())
    if (p == &ancestor) return true;
  return false;
}

// Of a selection holding a container and what it holds, only the container
// moves: what it holds moves with it.
std::vector<Element*> outermost(std::vector<Element*> controls) {
  std::erase_if(controls, [&](Element* e) {
    return std::any_of(controls.begin(), controls.end(), [&](Element* other) { return is_inside(*e, *other); });
  });
  return controls;
}

void move_to(Element& e, int x, int y) { e.set_bounds_twips(x * px, y * px, e.width_twips(), e.height_twips()); }

// The next grid line from `at` in the direction of `sign`.
int next_grid_line(int at, int sign, int grid) {
  const int below = static_cast<int>(std::floor(static_cast<double>(at) / grid)) * grid;
  if (sign > 0) return below + grid;
  return below == at ? at - grid : below;
}

FormBlock* find_block(FormBlock& block, std::string_view name) {
  if (equals_ignore_case(block.name, name)) return &block;
  for (auto& child : block.children)
    if (FormBlock* found = find_block(child, name)) return found;
  return nullptr;
}

FormBlock take_block(FormBlock& parent, std::string_view name) {
  for (auto it = parent.children.begin(); it != parent.children.end(); ++it) {
    if (equals_ignore_case(it->name, name)) {
      FormBlock taken = std::move(*it);
      parent.children.erase(it);
      return taken;
    }
    if (find_block(*it, name)) return take_block(*it, name);
  }
  throw RuntimeError(err::ObjectRequired, "Object required: no control named " + std::string(name));
}

void set_key(FormBlock& block, const std::string& key, Value value) {
  for (auto& p : block.properties)
    if (equals_ignore_case(p.key, key)) {
      p.value = std::move(value);
      return;
    }
  block.properties.push_back({key, std::move(value)});
}

}  // namespace

int Designer::snap_to_grid(int pixels) const {
  if (!snap_) return pixels;
  return static_cast<int>(std::lround(static_cast<double>(pixels) / grid_)) * grid_;
}

// A size snaps too, but never to nothing.
int Designer::snap_size(int pixels) const { return snap_ ? std::max(grid_, snap_to_grid(pixels)) : pixels; }

std::string Designer::free_name(const std::string& class_name) const {
  const std::string base = base_name(class_name);
  for (int n = 1;; ++n) {
    std::string name = base + std::to_string(n);
    if (!form_->find_control(name) && !equals_ignore_case(name, form_->name())) return name;
  }
}

void Designer::check_new_name(const std::string& name) const {
  if (!is_valid_name(name)) throw RuntimeError(err::InvalidPropertyValue, "cannot name a control \"" + name + "\"");
  if (form_->find_control(name) || equals_ignore_case(name, form_->name()))
    throw RuntimeError(err::InvalidCall, "the name " + name + " is taken");
}

Element& Designer::container(const std::string& name) const {
  if (name.empty() || equals_ignore_case(name, form_->name())) return *form_;
  Element& found = control(name);
  auto* surface = dynamic_cast<UserControl*>(&found);
  if (!surface || !surface->is_container()) throw RuntimeError(err::InvalidCall, name + " cannot hold controls");
  return found;
}

std::string Designer::place(const std::string& class_name, const std::string& name, int x, int y,
                            std::optional<Size> size, const std::string& container_name) {
  const std::string placed = name.empty() ? free_name(class_name) : name;
  check_new_name(placed);
  Element& into = container(container_name);
  if (size) {
    if (size->width <= 0 || size->height <= 0) throw RuntimeError(err::InvalidPropertyValue);
    size = Size{snap_size(size->width), snap_size(size->height)};
  }
  edit([&] {
    place_control(*form_, into, class_name, placed, {snap_to_grid(x), snap_to_grid(y)}, size);
    selection_ = {placed};
  });
  return placed;
}

void Designer::shift(const std::vector<Element*>& controls, int dx, int dy) {
  for (Element* e : controls)
    move_to(*e, snap_to_grid(pixels(e->left_twips()) + dx), snap_to_grid(pixels(e->top_twips()) + dy));
}

void Designer::move(int dx, int dy) {
  const auto controls = outermost(selected_controls());
  edit([&] { shift(controls, dx, dy); });
}

void Designer::move_into(int dx, int dy, const std::string& container_name) {
  Element& into = container(container_name);
  const auto controls = outermost(selected_controls());
  check_can_hold(into, controls);
  edit([&] {
    shift(controls, dx, dy);
    put_into(into, controls);
  });
}

void Designer::nudge(Direction direction, bool by_grid) {
  const int sx = direction == Direction::Left ? -1 : direction == Direction::Right ? 1 : 0;
  const int sy = direction == Direction::Up ? -1 : direction == Direction::Down ? 1 : 0;
  const auto controls = outermost(selected_controls());
  edit([&] {
    for (Element* e : controls) {
      int x = pixels(e->left_twips()), y = pixels(e->top_twips());
      if (!by_grid) {
        x += sx, y += sy;
      } else {
        if (sx != 0) x = next_grid_line(x, sx, grid_);
        if (sy != 0) y = next_grid_line(y, sy, grid_);
      }
      move_to(*e, x, y);
    }
  });
}

void Designer::resize(int width, int height) {
  if (width <= 0 || height <= 0) throw RuntimeError(err::InvalidPropertyValue);
  const auto controls = selected_controls();
  const int w = snap_size(width), h = snap_size(height);
  edit([&] {
    for (Element* e : controls) e->set_bounds_twips(e->left_twips(), e->top_twips(), w * px, h * px);
  });
}

void Designer::delete_selection() {
  const auto controls = outermost(selected_controls());
  edit([&] {
    for (Element* e : controls) e->destroy();
    selection_.clear();
  });
}

void Designer::nest(const std::string& container_name) {
  Element& into = container(container_name);
  const auto controls = outermost(selected_controls());
  check_can_hold(into, controls);
  edit([&] { put_into(into, controls); });
}

void Designer::check_can_hold(const Element& into, const std::vector<Element*>& controls) const {
  for (Element* e : controls)
    if (e == &into || is_inside(into, *e)) throw RuntimeError(err::InvalidCall, e->name() + " cannot go inside itself");
}

// Moves the controls' blocks into the container's in the form's file text
// and loads that, so nesting follows the same path as loading a file.
void Designer::put_into(const Element& into, const std::vector<Element*>& controls) {
  FormDocument doc = describe_form(*form_);
  std::vector<FormBlock> moved;
  for (Element* e : controls) {
    const Point at = e->screen_origin(), origin = into.screen_origin();
    FormBlock block = take_block(doc.form, e->name());
    set_key(block, "Left", Value(static_cast<std::int32_t>((at.x - origin.x) * px)));
    set_key(block, "Top", Value(static_cast<std::int32_t>((at.y - origin.y) * px)));
    moved.push_back(std::move(block));
  }
  // Looked up after the blocks are taken out, which moves blocks around.
  FormBlock* target = find_block(doc.form, into.name());
  for (auto& block : moved) target->children.push_back(std::move(block));
  load_document(doc);
}

}  // namespace okit
