#include "host/user_control.h"

#include <algorithm>
#include <cmath>

#include "host/desktop.h"
#include "host/elements/picture_box.h"
#include "host/font.h"
#include "host/form.h"
#include "host/paint/canvas.h"

namespace okit {

namespace {

// The surface's own members, reached as `UserControl.X` from a control's
// code and by `elem OBJ.UserControl.X` from scripts.
class SurfaceDispatch : public Dispatch {
 public:
  explicit SurfaceDispatch(UserControl& surface) : surface_(surface) {}
  const ClassInfo& class_info() const override;
  UserControl& surface() { return surface_; }

 private:
  UserControl& surface_;
};

}  // namespace

std::optional<ForcedLook> parse_forced_look(std::string_view name) {
  static constexpr std::pair<std::string_view, ForcedLook> kLooks[] = {
      {"normal", ForcedLook::Normal},   {"hover", ForcedLook::Hover},       {"pressed", ForcedLook::Pressed},
      {"focused", ForcedLook::Focused}, {"disabled", ForcedLook::Disabled}, {"inactive", ForcedLook::Inactive},
  };
  for (const auto& [text, look] : kLooks)
    if (equals_ignore_case(text, name)) return look;
  return std::nullopt;
}

UserControl::UserControl(std::string name) : Element(std::move(name)) { take_window(); }

UserControl::~UserControl() = default;

void UserControl::show() {
  if (shown_once_ || !shown()) return;
  shown_once_ = true;
  UserControl_Show();
}

float UserControl::ScaleWidth() const {
  return static_cast<float>(width_twips() / twips_per_unit(scale_mode_, false));
}

float UserControl::ScaleHeight() const {
  return static_cast<float>(height_twips() / twips_per_unit(scale_mode_, true));
}

namespace {
ScaleMode scale_argument(std::int16_t mode) {
  if (mode < 0 || mode > 7) throw RuntimeError(err::InvalidCall);
  return static_cast<ScaleMode>(mode);
}
}  // namespace

double UserControl::ScaleX(double value, std::int16_t from_mode, std::int16_t to_mode) const {
  return convert_scale(value, scale_argument(from_mode), scale_argument(to_mode), false);
}

double UserControl::ScaleY(double value, std::int16_t from_mode, std::int16_t to_mode) const {
  return convert_scale(value, scale_argument(from_mode), scale_argument(to_mode), true);
}

Element* UserControl::Parent() const { return form(); }

// Child positions are stored in twips, but every answer read in the surface's
// units changes with the mode.
void UserControl::put_ScaleMode(std::int16_t v) {
  scale_mode_ = scale_mode_from(v);
  layout_changed();
}

// Cls only takes away printed text: the surface is filled with BackColor
// anyway, so only the text's pixels change.
void UserControl::Cls() {
  for (const auto& text : printed_) invalidate(text_ink_bounds(text.text, text.at, false));
  printed_.clear();
  current_x_ = 0;
  current_y_ = 0;
}

float UserControl::TextWidth(std::string_view text) const {
  const double pixels = default_font().text_width(text, false);
  return static_cast<float>(convert_scale(pixels, ScaleMode::Pixels, scale_mode_, false));
}

float UserControl::TextHeight(std::string_view text) const {
  const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
  const double pixels = static_cast<double>(default_font().line_height()) * static_cast<double>(lines);
  return static_cast<float>(convert_scale(pixels, ScaleMode::Pixels, scale_mode_, true));
}

void UserControl::Print(std::string_view text) {
  const Point at{static_cast<std::int32_t>(std::lround(convert_scale(current_x_, scale_mode_, ScaleMode::Pixels, false))),
                 static_cast<std::int32_t>(std::lround(convert_scale(current_y_, scale_mode_, ScaleMode::Pixels, true)))};
  printed_.push_back({at, std::string(text), fore_color_});
  invalidate(text_ink_bounds(text, at, false));
  // Print ends the line: the next text goes below, at the left edge.
  current_x_ = 0;
  current_y_ += TextHeight(text);
}

void UserControl::PropertyChanged(std::string_view property_name) {
  const Desktop* on = desktop();
  if (auto* app = on ? on->application() : nullptr) app->property_changed(*this, property_name);
}

// A handler may attach more handlers, or destroy the control, while it runs:
// the loop goes by index, runs a copy of each handler, and stops when the
// control is gone.
void UserControl::RaiseEvent(std::string_view event, std::span<Value> args) {
  if (!application_handlers_.empty()) {
    auto alive_until_return = keep_alive();
    for (std::size_t i = 0; i < application_handlers_.size() && alive(); ++i) {
      if (!equals_ignore_case(application_handlers_[i].event, event)) continue;
      auto handler = application_handlers_[i].handler;  // the vector may grow while it runs
      handler(args);
    }
    if (!alive()) return;
  }
  raise(event, args);
}

void UserControl::on_event(std::string_view event, LateBoundHandler handler) {
  application_handlers_.push_back({std::string(event), std::move(handler)});
}

Element* UserControl::first_focusable_child() {
  Element* best = nullptr;
  for_each_element(*this, [&](Element& e) {
    if (&e == this || e.role() != ElementRole::ChildElement || !e.can_take_focus()) return;
    if (!e.shown() || !e.input_enabled() || !e.tab_stop()) return;
    if (!best || e.tab_index() < best->tab_index()) best = &e;
  });
  return best ? best : this;
}

void UserControl::handle(Element& child, std::string_view event, ChildHandler handler) {
  handlers_.push_back({&child, std::string(event), std::move(handler)});
}

void UserControl::element_event(Element& source, std::string_view event, std::span<Value> args) {
  if (!alive()) return;
  auto alive_until_return = keep_alive();
  for (auto& entry : handlers_) {
    if (entry.source == &source && equals_ignore_case(entry.event, event)) {
      entry.handler(args);
      return;
    }
  }
}

// Picture boxes aligned to an edge follow the surface before the control's
// own resize handler lays out the rest.
void UserControl::on_resized() {
  for (const auto& child : children())
    if (auto* box = dynamic_cast<PictureBox*>(child.get())) box->align_to(*this);
  UserControl_Resize();
}

// The control's own handlers stay: one of them may be the very handler whose
// event destroyed the control, still running, and a dead control runs none
// (element_event checks). The application's handlers go, since they may hold
// the form and would keep it alive; RaiseEvent runs copies of them.
void UserControl::on_destroy() { application_handlers_.clear(); }

Dispatch& UserControl::surface() {
  if (!surface_) surface_ = std::make_unique<SurfaceDispatch>(*this);
  return *surface_;
}

namespace {

// The thunks of this table receive a SurfaceDispatch and forward to the
// UserControl behind it.
template <auto Get, auto Put = nullptr>
PropertyInfo forwarded(std::string_view name, std::int32_t dispid, PropType type) {
  PropertyInfo info{name, dispid, type, nullptr, nullptr};
  info.get = [](Dispatch& d) -> Value {
    return to_value((static_cast<SurfaceDispatch&>(d).surface().*Get)());
  };
  if constexpr (!std::is_same_v<decltype(Put), std::nullptr_t>) {
    using P = detail::member_traits<decltype(Put)>;
    info.put = [](Dispatch& d, const Value& v) {
      (static_cast<SurfaceDispatch&>(d).surface().*Put)(from_value<typename P::arg>(v));
    };
  }
  return info;
}

}  // namespace

const ClassInfo& SurfaceDispatch::class_info() const {
  static const ClassInfo info{
      "UserControl",
      "Host",
      {
          forwarded<&UserControl::Width>("Width", 6, PropType::Single),
          forwarded<&UserControl::Height>("Height", 7, PropType::Single),
          forwarded<&UserControl::ScaleWidth>("ScaleWidth", 8, PropType::Single),
          forwarded<&UserControl::ScaleHeight>("ScaleHeight", 9, PropType::Single),
          forwarded<&UserControl::get_ScaleMode, &UserControl::put_ScaleMode>("ScaleMode", 10, PropType::Integer),
          forwarded<&UserControl::BackColor, &UserControl::put_BackColor>("BackColor", -501, PropType::Color),
          forwarded<&UserControl::ForeColor, &UserControl::put_ForeColor>("ForeColor", -513, PropType::Color),
          forwarded<&UserControl::AutoRedraw, &UserControl::put_AutoRedraw>("AutoRedraw", 11, PropType::Boolean),
          forwarded<&UserControl::enabled, &UserControl::put_Enabled>("Enabled", -514, PropType::Boolean),
          forwarded<&UserControl::hwnd>("hWnd", -515, PropType::Long),
          forwarded<&UserControl::CurrentX, &UserControl::put_CurrentX>("CurrentX", 12, PropType::Single),
          forwarded<&UserControl::CurrentY, &UserControl::put_CurrentY>("CurrentY", 13, PropType::Single),
      },
      {},
      nullptr,
  };
  return info;
}

}  // namespace okit
