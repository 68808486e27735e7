#include "app/contact_sheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/label.h"
#include "host/place_control.h"
#include "host/scale.h"
#include "library/class_registry.h"

namespace okit {

namespace {

// Pixels.
constexpr int kMargin = 16;
constexpr int kCellGap = 24;
constexpr int kRowGap = 20;
constexpr int kTitleGap = 6;
constexpr int kCaptionGap = 4;

// A review row of one class, as its record describes it.
struct Row {
  std::string_view class_name;
  const ReviewRow* review;
};

// Every review row of every registered control, in registration order.
std::vector<Row> sheet_rows() {
  std::vector<Row> rows;
  for (const ControlRecord* record : class_registry().records())
    for (const ReviewRow& review : record->review) rows.push_back({record->class_name, &review});
  return rows;
}

int width_px(const Element& e) { return static_cast<int>(e.width_twips() / kTwipsPerPixel); }
int height_px(const Element& e) { return static_cast<int>(e.height_twips() / kTwipsPerPixel); }

void move_to(Element& e, int x, int y) {
  e.place_twips(x * kTwipsPerPixel, y * kTwipsPerPixel, e.width_twips(), e.height_twips());
}

// A label that fits its caption, placed where it will stay or moved later.
std::shared_ptr<Label> place_label(Form& form, std::string name, std::string caption, Point at, bool bold) {
  auto label = std::static_pointer_cast<Label>(place_control(form, form, "Label", std::move(name), at));
  label->put_UseMnemonic(false);
  label->put_FontBold(bold);
  label->put_AutoSize(true);
  label->put_Caption(std::move(caption));
  return label;
}

// Lays one row out from `top` and returns where the next one starts: the
// title, then the cells at one even pitch, wide enough for the widest
// control or caption, each control centred over its caption.
int lay_out_row(Form& form, const Row& row, int top, int& counter, int& right) {
  const std::string row_id = std::to_string(++counter);
  auto title = place_label(form, "Title" + row_id, row.review->title, {kMargin, top}, true);
  const int cells_top = top + height_px(*title) + kTitleGap;

  std::vector<std::pair<std::shared_ptr<Element>, std::shared_ptr<Label>>> cells;
  int pitch = 0, control_height = 0;
  for (const ReviewLook& look : row.review->looks) {
    const std::string id = std::to_string(++counter);
    auto control = place_control(form, form, row.class_name, "Cell" + id, {kMargin, cells_top}, row.review->size);
    row.review->prepare(*control);
    look.show(*control);
    auto label = place_label(form, "Look" + id, look.label, {kMargin, cells_top}, false);
    pitch = std::max({pitch, width_px(*control), width_px(*label)});
    control_height = std::max(control_height, height_px(*control));
    cells.emplace_back(control, label);
  }

  int label_height = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    auto& [control, label] = cells[i];
    const int left = kMargin + static_cast<int>(i) * (pitch + kCellGap);
    move_to(*control, left + (pitch - width_px(*control)) / 2, cells_top);
    move_to(*label, left + (pitch - width_px(*label)) / 2, cells_top + control_height + kCaptionGap);
    label_height = std::max(label_height, height_px(*label));
  }
  right = std::max({right, kMargin + width_px(*title),
                    kMargin + static_cast<int>(cells.size()) * (pitch + kCellGap) - kCellGap});
  return cells_top + control_height + kCaptionGap + label_height + kRowGap;
}

}  // namespace

std::shared_ptr<Form> build_contact_sheet(Desktop& desktop) {
  auto form = desktop.create_form("ContactSheet");
  form->put_Caption("Contact sheet");
  form->put_BorderStyle(0);
  form->place_twips(0, 0, 640 * kTwipsPerPixel, 480 * kTwipsPerPixel);
  desktop.activate(form.get());

  int top = kMargin, right = 0, counter = 0;
  for (const Row& row : sheet_rows()) top = lay_out_row(*form, row, top, counter, right);
  const int bottom = top - kRowGap + kMargin;
  form->place_twips(0, 0, (right + kMargin) * kTwipsPerPixel, bottom * kTwipsPerPixel);
  return form;
}

}  // namespace okit
