#include "app/designer/property_window.h"

#include "host/elements/mnemonic.h"
#include "host/elements/shape.h"
#include "host/place_control.h"

namespace okit {

namespace {

constexpr int kWidth = 352, kRowHeight = 20, kTop = 28, kMostRows = 24;
constexpr int kLabelWidth = 124, kBoxWidth = 190, kListButtonWidth = 20;
constexpr int kChoiceWidth = 200, kSwatchWidth = 18;
constexpr std::int16_t kEnter = 13, kEscape = 27;

std::vector<std::string> names_of(const std::vector<PropertyRow>& rows) {
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(row.name);
  return names;
}

}  // namespace

PropertyWindow::PropertyWindow(EventRouter& router, Designer& designer, Point at, std::function<void()> changed,
                               std::function<void(const std::string&)> message)
    : router_(router), d_(designer), changed_(std::move(changed)), message_(std::move(message)) {
  form_ = d_.desktop().create_form("Properties");
  form_->put_Caption("Properties");
  form_->place_twips(at.x * kTwipsPerPixel, at.y * kTwipsPerPixel, kWidth * kTwipsPerPixel,
                     (kTop + kMostRows * kRowHeight + 8) * kTwipsPerPixel);
  heading_ = place_control(*form_, *form_, "Label", "Heading", {8, 6}, Size{kWidth - 16, 16});
}

std::string PropertyWindow::object_name() const {
  return d_.selection().size() == 1 ? d_.selection().front() : d_.form().name();
}

void PropertyWindow::show() {
  if (!form_->alive()) return;
  Element& object = d_.object(object_name());
  auto rows = property_rows(object);
  const std::string class_name(object.class_info().name);
  if (object.name() != shown_object_ || class_name != shown_class_ || names_of(rows) != names_of(rows_)) {
    shown_object_ = object.name();
    shown_class_ = class_name;
    rows_ = std::move(rows);
    heading_->put_property("Caption", Value(shown_object_ + "  (" + shown_class_ + ")"));
    build_rows();
    return;
  }
  rows_ = std::move(rows);
  for (std::size_t i = 0; i < rows_.size() && i < row_controls_.size(); ++i)
    if (row_controls_[i].box->get_property("Text").to_string() != rows_[i].shown)
      row_controls_[i].box->put_property("Text", Value(rows_[i].shown));
}

void PropertyWindow::build_rows() {
  for (auto& controls : row_controls_)
    for (auto& element : {controls.label, controls.box, controls.list_button})
      if (element && element->alive()) element->destroy();
  row_controls_.clear();
  for (std::size_t i = 0; i < rows_.size() && i < kMostRows; ++i) {
    const PropertyRow& row = rows_[i];
    const int top = kTop + int(i) * kRowHeight;
    RowControls controls;
    controls.label = place_control(*form_, *form_, "Label", "Name" + std::to_string(i), {8, top + 3},
                                   Size{kLabelWidth, kRowHeight - 4});
    controls.label->put_property("Caption", Value(row.name));
    controls.box = place_control(*form_, *form_, "TextBox", "Value" + std::to_string(i), {8 + kLabelWidth, top},
                                 Size{kBoxWidth, kRowHeight - 1});
    controls.box->put_property("Text", Value(row.shown));
    const std::string property = row.name;
    router_.on(controls.box, "KeyPress", [this, property, box = std::weak_ptr(controls.box)](std::span<Value> args) {
      const auto key = args[0].to_integer();
      if (key != kEnter && key != kEscape) return;
      args[0] = Value(std::int16_t{0});
      auto held = box.lock();
      if (key == kEnter) enter(property, held->get_property("Text").to_string());
      else changed_();  // shows the value as it is again
    });
    if (!row.choices.empty()) {
      controls.list_button =
          place_control(*form_, *form_, "CommandButton", "List" + std::to_string(i),
                        {8 + kLabelWidth + kBoxWidth + 2, top}, Size{kListButtonWidth, kRowHeight - 1});
      controls.list_button->put_property("Caption", Value("..."));
      router_.on(controls.list_button, "Click", [this, i](std::span<Value>) { open_list(rows_[i]); });
    }
    row_controls_.push_back(controls);
  }
}

void PropertyWindow::enter(const std::string& property, const std::string& text) {
  const std::string object = object_name();
  try {
    d_.enter(object, property, text);
  } catch (const RuntimeError& error) {
    message_(grid_message(object + "." + property, error));
  }
  changed_();
}

// The row's choices as buttons in a window beside the grid; colours get a
// swatch. Taking one enters it and closes the list.
void PropertyWindow::open_list(const PropertyRow& row) {
  if (auto open = list_.lock(); open && open->alive()) d_.desktop().unload(*open);
  auto list = d_.desktop().create_form("Choices");
  list->put_Caption(row.name);
  const Rect grid = form_->screen_rect();
  const int swatch = row.editor == Editor::Color ? kSwatchWidth + 4 : 0;
  list->place_twips((grid.right + 8) * kTwipsPerPixel, grid.top * kTwipsPerPixel,
                    (kChoiceWidth + swatch + 16) * kTwipsPerPixel,
                    (int(row.choices.size()) * kRowHeight + 16) * kTwipsPerPixel);
  for (std::size_t i = 0; i < row.choices.size(); ++i) {
    const int top = 8 + int(i) * kRowHeight;
    if (swatch) {
      auto sample = place_control(*list, *list, "Shape", "Swatch" + std::to_string(i), {8, top + 2},
                                  Size{kSwatchWidth, kRowHeight - 5});
      sample->put_property("FillStyle", Value(std::int16_t{0}));
      sample->put_property("FillColor", read_entry(row, row.choices[i]));
    }
    auto choice = place_control(*list, *list, "CommandButton", "Choice" + std::to_string(i), {8 + swatch, top},
                                Size{kChoiceWidth, kRowHeight - 1});
    choice->put_property("Caption", Value(escape_mnemonic(row.choices[i])));
    router_.on(choice, "Click", [this, property = row.name, entry = row.choices[i], list = std::weak_ptr(list)](
                                    std::span<Value>) {
      if (auto held = list.lock(); held && held->alive()) d_.desktop().unload(*held);
      enter(property, entry);
    });
  }
  list_ = list;
  d_.desktop().activate(list.get());
}

void PropertyWindow::close() {
  if (auto open = list_.lock(); open && open->alive()) d_.desktop().unload(*open);
  if (form_->alive()) d_.desktop().unload(*form_);
}

}  // namespace okit
