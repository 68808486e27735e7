#include "app/contact_sheet.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/label.h"
#include "host/place_control.h"
#include "host/scale.h"
#include "host/user_control.h"

namespace okit {

namespace {

// Pixels.
constexpr int kMargin = 16;
constexpr int kCellGap = 24;
constexpr int kRowGap = 20;
constexpr int kTitleGap = 6;
constexpr int kCaptionGap = 4;

using Show = std::function<void(Element&)>;

struct Cell {
  std::string label;
  Show show;
};

struct Row {
  std::string title;
  std::string class_name;
  std::optional<Size> size;  // none: the control's own size
  Show prepare;              // what every cell of the row shares (caption, value)
  std::vector<Cell> cells;
};

Show forced(ForcedLook look) {
  return [look](Element& control) { static_cast<UserControl&>(control).show_forced_look(look); };
}

// The real disabled state; the forced look on top covers controls that
// would show it only on their next timer tick.
Show disabled() {
  return [](Element& control) {
    control.put_property("Enabled", Value::boolean(false));
    static_cast<UserControl&>(control).show_forced_look(ForcedLook::Disabled);
  };
}

Show put(std::string property, Value value) {
  return [property = std::move(property), value = std::move(value)](Element& control) {
    control.put_property(property, value);
  };
}

// The tab strip keeps its selection private and selects only when a tab is
// clicked, so the sheet raises the Click event of the tab's own picture: the
// handler the click runs is the tab strip's selection routine itself.
Show select_tab(std::string tab_picture) {
  return [tab_picture = std::move(tab_picture)](Element& control) {
    if (auto tab = control.find_child(tab_picture)) tab->raise("Click");
  };
}

Row check_box_row(std::string title, std::int16_t value) {
  return {std::move(title),
          "chk_Opaline_CheckBox",
          std::nullopt,
          [value](Element& control) {
            control.put_property("Caption", Value("Check box"));
            control.put_property("Value", Value(value));
          },
          {{"normal", forced(ForcedLook::Normal)},
           {"hover", forced(ForcedLook::Hover)},
           {"pressed", forced(ForcedLook::Pressed)},
           {"focused", forced(ForcedLook::Focused)},
           {"disabled", disabled()}}};
}

std::vector<Row> sheet_rows() {
  return {
      {"Command button",
       "cmd_Opaline_Button",
       Size{96, 23},
       put("Caption", "Opaline"),
       {{"normal", forced(ForcedLook::Normal)},
        {"hover", forced(ForcedLook::Hover)},
        {"pressed", forced(ForcedLook::Pressed)},
        {"focused", forced(ForcedLook::Focused)},
        {"disabled", disabled()}}},
      check_box_row("Check box, unchecked (Value 0)", 0),
      check_box_row("Check box, checked (Value 1)", 1),
      check_box_row("Check box, mixed (Value 2)", 2),
      {"Caption control",
       "ctl_Opaline_Form",
       Size{200, 96},
       put("Caption", "Opaline"),
       {{"active", forced(ForcedLook::Normal)},
        {"inactive", forced(ForcedLook::Inactive)},
        {"close button hover", forced(ForcedLook::Hover)},
        {"close button pressed", forced(ForcedLook::Pressed)}}},
      // Focus draws only a caret and a selection, which need real focus.
      {"Text box",
       "txt_Opaline_opal",
       Size{138, 21},
       put("Text", "Opaline text"),
       {{"normal", forced(ForcedLook::Normal)}, {"disabled", disabled()}}},
      {"Frame border",
       "fam_Opaline_Framebordder",
       Size{160, 64},
       put("Caption", "Frame"),
       {{"normal", forced(ForcedLook::Normal)}, {"disabled", disabled()}}},
      {"Tab strip",
       "stp_Brook_TabStrip",
       std::nullopt,
       [](Element&) {},
       {{"first tab selected", select_tab("img_caption1")}, {"second tab selected", select_tab("img_caption2")}}},
  };
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
  auto title = place_label(form, "Title" + row_id, row.title, {kMargin, top}, true);
  const int cells_top = top + height_px(*title) + kTitleGap;

  std::vector<std::pair<std::shared_ptr<Element>, std::shared_ptr<Label>>> cells;
  int pitch = 0, control_height = 0;
  for (const Cell& cell : row.cells) {
    const std::string id = std::to_string(++counter);
    auto control = place_control(form, form, row.class_name, "Cell" + id, {kMargin, cells_top}, row.size);
    row.prepare(*control);
    cell.show(*control);
    auto label = place_label(form, "Look" + id, cell.label, {kMargin, cells_top}, false);
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
