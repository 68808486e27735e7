#include "host/element.h"

#include <algorithm>
#include <cmath>

#include "host/desktop.h"
#include "host/form.h"
#include "host/user_control.h"
#include "host/window_table.h"

namespace okit {

Element::Element(std::string name) : name_(std::move(name)) {}

Element::~Element() = default;

void Element::take_window() {
  if (hwnd_ == 0) hwnd_ = allocate_window_number();
}

void Element::join(Desktop& desktop) {
  desktop_ = &desktop;
  if (hwnd_ != 0) desktop.windows().add(hwnd_, *this);
  on_joined(desktop);
  for (const auto& child : children_) child->join(desktop);
}

void Element::layout_changed() const {
  if (Desktop* on = desktop()) on->advance_layout_epoch();
}

void Element::DoEvents() const {
  if (Desktop* on = desktop()) on->do_events();
}

std::uint64_t Element::layout_epoch() const {
  const Desktop* on = desktop();
  return on ? on->layout_epoch() : 0;
}

// ---- Tree ------------------------------------------------------------------

void Element::add_child(std::shared_ptr<Element> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  if (Desktop* on = desktop()) {
    on->advance_layout_epoch();
    children_.back()->join(*on);
  }
  children_.back()->invalidate();
}

std::shared_ptr<Element> Element::find_child(std::string_view name) const {
  for (const auto& child : children_)
    if (equals_ignore_case(child->name(), name)) return child;
  return nullptr;
}

void Element::ZOrder(std::int16_t position) {
  if (!parent_) return;
  auto& siblings = parent_->children_;
  auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& e) { return e.get() == this; });
  if (it == siblings.end()) return;
  const bool already_there = position == 0 ? it + 1 == siblings.end() : it == siblings.begin();
  if (already_there) return;
  auto self = *it;
  siblings.erase(it);
  if (position == 0)
    siblings.push_back(std::move(self));
  else
    siblings.insert(siblings.begin(), std::move(self));
  invalidate();
}

Form* Element::form() const {
  for (const Element* e = this; e; e = e->parent_)
    if (e->role_ == ElementRole::Form) return const_cast<Form*>(static_cast<const Form*>(e));
  return nullptr;
}

UserControl* Element::owning_control() const {
  for (Element* e = parent_; e; e = e->parent_)
    if (auto* surface = dynamic_cast<UserControl*>(e)) return surface;
  return nullptr;
}

void Element::destroy() {
  auto alive_until_return = keep_alive();
  if (parent_) {
    invalidate();
    auto& siblings = parent_->children_;
    std::erase_if(siblings, [this](const auto& e) { return e.get() == this; });
    parent_ = nullptr;
    layout_changed();
  }
  end_life();
}

void Element::end_life() {
  if (!alive_) return;
  alive_ = false;
  on_destroy();
  for (auto& child : children_) child->end_life();
  if (hwnd_ != 0) {
    if (desktop_) desktop_->windows().remove(hwnd_);
    hwnd_ = 0;
  }
  desktop_ = nullptr;
}

// ---- Geometry --------------------------------------------------------------

void Element::set_bounds_twips(double left, double top, double width, double height) {
  const bool resized = width != width_ || height != height_;
  place_twips(left, top, width, height);
  if (resized) on_resized();
}

// Moving or sizing an element repaints where it was and where it is now. A
// form's own position is no part of its picture, and a new size gives it a
// new frame that is painted whole, so forms mark nothing here. A form larger
// than the largest frame is refused (380).
void Element::place_twips(double left, double top, double width, double height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (role_ == ElementRole::Form && (width > kMaxFormTwips || height > kMaxFormTwips))
    throw RuntimeError(err::InvalidPropertyValue);
  const bool marks = role_ != ElementRole::Form;
  if (marks) invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  layout_changed();
  if (marks) invalidate();
}

ScaleMode Element::position_scale() const {
  if (role_ != ElementRole::ChildElement || !parent_) return ScaleMode::Twips;
  return parent_->child_scale_mode();
}

namespace {
double to_twips(const Element& e, float v, bool vertical) {
  return v * twips_per_unit(e.position_scale(), vertical);
}
float from_twips(const Element& e, double twips, bool vertical) {
  return static_cast<float>(twips / twips_per_unit(e.position_scale(), vertical));
}
}  // namespace

float Element::Left() const { return from_twips(*this, left_, false); }
float Element::Top() const { return from_twips(*this, top_, true); }
float Element::Width() const { return from_twips(*this, width_, false); }
float Element::Height() const { return from_twips(*this, height_, true); }
void Element::put_Left(float v) { set_bounds_twips(to_twips(*this, v, false), top_, width_, height_); }
void Element::put_Top(float v) { set_bounds_twips(left_, to_twips(*this, v, true), width_, height_); }
void Element::put_Width(float v) {
  if (v < 0) throw RuntimeError(err::InvalidPropertyValue);
  set_bounds_twips(left_, top_, to_twips(*this, v, false), height_);
}
void Element::put_Height(float v) {
  if (v < 0) throw RuntimeError(err::InvalidPropertyValue);
  set_bounds_twips(left_, top_, width_, to_twips(*this, v, true));
}
void Element::Move(float left, float top, float width, float height) {
  if (width < 0 || height < 0) throw RuntimeError(err::InvalidPropertyValue);
  set_bounds_twips(to_twips(*this, left, false), to_twips(*this, top, true), to_twips(*this, width, false),
                   to_twips(*this, height, true));
}

namespace {
// Twips to whole pixels; a position between two pixels falls on the nearer.
std::int32_t pixels(double twips) { return static_cast<std::int32_t>(std::lround(twips / kTwipsPerPixel)); }
}  // namespace

Rect Element::pixel_rect() const {
  return {pixels(left_), pixels(top_), pixels(left_ + width_), pixels(top_ + height_)};
}

Point Element::screen_origin() const {
  if (role_ == ElementRole::Form) return static_cast<const Form*>(this)->client_screen_origin();
  Point origin = parent_ ? parent_->screen_origin() : Point{};
  const Rect r = pixel_rect();
  return {origin.x + r.left, origin.y + r.top};
}

Rect Element::screen_rect() const {
  const Point origin = screen_origin();
  const Rect r = pixel_rect();
  return {origin.x, origin.y, origin.x + r.width(), origin.y + r.height()};
}

// ---- State -----------------------------------------------------------------

// Hiding or disabling the element that holds the focus moves the focus on,
// as Tab would. Of the two marks around a visibility change, the one made
// while the element is hidden marks nothing.
void Element::put_Visible(bool v) {
  if (v != visible_) {
    invalidate();
    visible_ = v;
    invalidate();
  }
  if (!v && role_ != ElementRole::Form) lost_focus_ability();
}

void Element::put_Enabled(bool v) {
  set_and_invalidate(enabled_, v);
  if (!v && role_ != ElementRole::Form) lost_focus_ability();
}

void Element::lost_focus_ability() {
  if (Desktop* on = desktop()) on->focus_lost_ability(*this);
}

bool Element::shown() const {
  for (const Element* e = this; e; e = e->parent_)
    if (!e->visible_) return false;
  return true;
}

bool Element::input_enabled() const {
  for (const Element* e = this; e; e = e->parent_)
    if (!e->enabled_) return false;
  return true;
}

// ---- Input and events --------------------------------------------------------

void Element::key_down(std::int16_t& key_code, std::int16_t& shift) {
  Value args[] = {key_code, shift};
  raise("KeyDown", args);
  key_code = args[0].to_integer();
  shift = args[1].to_integer();
}

void Element::key_press(std::int16_t& key_ascii) {
  Value args[] = {key_ascii};
  raise("KeyPress", args);
  key_ascii = args[0].to_integer();
}

void Element::key_up(std::int16_t& key_code, std::int16_t& shift) {
  Value args[] = {key_code, shift};
  raise("KeyUp", args);
  key_code = args[0].to_integer();
  shift = args[1].to_integer();
}

// Holds nothing alive itself: every timer tick raises an event, and a sink
// that still needs the source after running handlers takes its own hold.
void Element::raise(std::string_view event, std::span<Value> args) {
  if (!alive_ || !sink_) return;
  sink_->element_event(*this, event, args);
}

}  // namespace okit
