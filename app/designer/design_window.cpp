#include "app/designer/design_window.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "host/elements/shape.h"
#include "host/place_control.h"

namespace okit {

namespace {

namespace key {
inline constexpr std::int16_t Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46, S = 'S', Y = 'Y', Z = 'Z';
}

struct Tool {
  std::string_view class_name;
  std::string_view caption;
};

// The classes a form can hold: the library's six controls and the host's
// own Label, TextBox and CommandButton.
constexpr std::array<Tool, 9> kTools = {{
    {"cmd_Opaline_Button", "Button"},
    {"chk_Opaline_CheckBox", "CheckBox"},
    {"fam_Opaline_Framebordder", "Frame"},
    {"txt_Opaline_opal", "Text field"},
    {"stp_Brook_TabStrip", "TabStrip"},
    {"ctl_Opaline_Form", "Caption"},
    {"Label", "Label"},
    {"TextBox", "TextBox"},
    {"CommandButton", "CommandButton"},
}};

constexpr int kToolWidth = 112, kToolHeight = 24;
constexpr std::int32_t kSelectionColor = 0x0000FF;  // red, as colors are 0xBBGGRR
// How often the toolbox checks that the form's window is still open.
constexpr int kWatchMs = 200;

Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

// Thin frames drawn around elements, on top of a form. They are child
// elements, not controls, so the form file never holds them.
class SelectionFrames {
 public:
  void show(Form& form, const std::vector<Element*>& around) {
    clear();
    for (Element* element : around) {
      const Rect r = element->screen_rect();
      const Point at = Point{r.left, r.top} - form.screen_origin();
      auto frame = std::make_shared<Shape>("");
      frame->put_FillStyle(1);
      frame->put_BorderColor(kSelectionColor);
      frame->set_bounds_twips((at.x - 2) * kTwipsPerPixel, (at.y - 2) * kTwipsPerPixel,
                              (r.width() + 4) * kTwipsPerPixel, (r.height() + 4) * kTwipsPerPixel);
      form.add_child(frame);
      frames_.push_back(frame);
    }
  }
  void clear() {
    for (auto& frame : frames_)
      if (auto held = frame.lock(); held && held->alive()) held->destroy();
    frames_.clear();
  }

 private:
  std::vector<std::weak_ptr<Element>> frames_;
};

class DesignWindow : public ApplicationEvents {
 public:
  DesignWindow(Designer& designer, std::ostream& err) : d_(designer), err_(err) {
    Desktop::current().set_application(this);
    build_toolbox();
    refresh();
  }
  ~DesignWindow() override { Desktop::current().set_application(&d_); }

  void close_toolbox() {
    if (toolbox_->alive()) Desktop::current().unload(*toolbox_);
  }

  // Toolbox buttons pick the class the next click on the form places.
  void control_event(Element& control, std::string_view event, std::span<Value>) override {
    if (control.form() != toolbox_.get()) return;
    if (event == "Timer" && !d_.form().alive()) close_toolbox();
    if (event != "Click") return;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
      if (buttons_[i].get() == &control) tool_ = i;
    tool_frame_.show(*toolbox_, {&control});
  }
  void property_changed(Element& control, std::string_view property) override {
    d_.property_changed(control, property);
  }
  void unhandled_error(const RuntimeError& error) override {
    err_ << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
  }

 private:
  void build_toolbox() {
    toolbox_ = Desktop::current().create_form("Toolbox");
    toolbox_->put_Caption("Toolbox");
    const Rect form = d_.form().screen_rect();
    toolbox_->place_twips((form.right + 16) * kTwipsPerPixel, form.top * kTwipsPerPixel,
                          (kToolWidth + 16) * kTwipsPerPixel, (int(kTools.size()) * kToolHeight + 16) * kTwipsPerPixel);
    for (std::size_t i = 0; i < kTools.size(); ++i) {
      auto button = place_control(*toolbox_, *toolbox_, "CommandButton", "Tool" + std::to_string(i + 1),
                                  {8, 8 + int(i) * kToolHeight}, Size{kToolWidth, kToolHeight - 2});
      button->put_property("Caption", Value(std::string(kTools[i].caption)));
      buttons_.push_back(button);
    }
    auto watch = place_control(*toolbox_, *toolbox_, "Timer", "Watch", {0, 0});
    watch->put_property("Interval", Value(static_cast<std::int32_t>(kWatchMs)));
  }

  // After every action: the hook follows the form (undo loads a new one),
  // the caption follows the title, the frames follow the selection.
  void refresh() {
    Form& form = d_.form();
    Desktop::current().set_design_hook(form, [this](Form&, const Desktop::DesignInput& input) { take(input); });
    form.put_Caption(d_.title());
    std::vector<Element*> selected;
    for (const auto& name : d_.selection())
      if (auto control = form.find_control(name)) selected.push_back(control.get());
    selection_frames_.show(form, selected);
  }

  void take(const Desktop::DesignInput& input) {
    try {
      switch (input.kind) {
        case Desktop::DesignInput::Kind::MouseDown: press(input); break;
        case Desktop::DesignInput::Kind::MouseUp: release(); break;
        case Desktop::DesignInput::Kind::KeyDown: key(input.button_or_key, input.shift); break;
        case Desktop::DesignInput::Kind::MouseMove: return;
      }
    } catch (const RuntimeError&) {
      // Nothing selected to move or delete: the designer changed nothing.
    }
    refresh();
  }

  Point cursor_in_form() const { return Desktop::current().cursor() - d_.form().screen_origin(); }

  // With a tool picked the press places its class there. Otherwise it
  // selects the innermost control under the cursor (Shift adds to the
  // selection), so a control inside a frame can be picked without the frame;
  // a press on the form itself clears the selection.
  void press(const Desktop::DesignInput& input) {
    dragging_ = false;
    if (input.button_or_key != mouse_button::Left) return;
    if (tool_) {
      const Point at = cursor_in_form();
      d_.place(std::string(kTools[*tool_].class_name), "", at.x, at.y);
      tool_.reset();
      tool_frame_.clear();
      return;
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
    dragging_ = true;
    press_at_ = Desktop::current().cursor();
  }

  // A drag moves the selection once, when the button is released: one undo
  // step, snapped to the grid by Designer::move.
  void release() {
    if (!dragging_) return;
    dragging_ = false;
    const Point by = Desktop::current().cursor() - press_at_;
    if (by.x != 0 || by.y != 0) d_.move(by.x, by.y);
  }

  void key(std::int16_t code, std::int16_t shift) {
    const bool ctrl = (shift & shift_mask::Ctrl) != 0;
    switch (code) {
      case key::Delete: d_.delete_selection(); break;
      case key::Left: d_.nudge(Direction::Left, ctrl); break;
      case key::Right: d_.nudge(Direction::Right, ctrl); break;
      case key::Up: d_.nudge(Direction::Up, ctrl); break;
      case key::Down: d_.nudge(Direction::Down, ctrl); break;
      case key::Z: if (ctrl) d_.undo(); break;
      case key::Y: if (ctrl) d_.redo(); break;
      case key::S: if (ctrl) save(); break;
      default: break;
    }
  }

  void save() {
    if (auto saved = d_.save(); !saved) err_ << saved.error().to_string() << '\n';
  }

  Designer& d_;
  std::ostream& err_;
  std::shared_ptr<Form> toolbox_;
  std::vector<std::shared_ptr<Element>> buttons_;
  std::optional<std::size_t> tool_;
  SelectionFrames selection_frames_, tool_frame_;
  bool dragging_ = false;
  Point press_at_;
};

}  // namespace

bool run_design_window(Application& app, Designer& designer, std::ostream& err) {
  DesignWindow window(designer, err);
  if (app.run()) return true;
  // No display: the toolbox goes, the form stays as it was.
  window.close_toolbox();
  return false;
}

}  // namespace okit
