#include "app/designer/toolbox_window.h"

#include <array>
#include <string_view>

#include "host/elements/image.h"
#include "host/elements/command_button.h"
#include "host/picture.h"
#include "host/place_control.h"
#include "library/toolbox_bitmaps.h"
#include "library/class_registry.h"

namespace okit {

namespace {

struct Tool {
  std::string_view class_name;
  std::string_view caption;
};

// The classes a form can hold: the registered controls as their records
// offer them, then the host's own Label, TextBox and CommandButton.
std::vector<Tool> tools() {
  std::vector<Tool> out;
  for (const ControlRecord* record : class_registry().records())
    out.push_back({record->class_name, record->toolbox_caption});
  for (std::string_view host_kind : {"Label", "TextBox", "CommandButton"}) out.push_back({host_kind, host_kind});
  return out;
}

constexpr int kToolWidth = 128, kToolHeight = 24;

// The host's three classes have no bitmaps in the library; they are drawn
// here in the same size and palette, one character per pixel:
//   .  palette grey   K  black   D  dark grey   W  white
using PixelArt = std::array<std::string_view, kToolboxBitmapHeight>;

constexpr PixelArt kLabelArt = {
    "................", "................", "......KK........", ".....KKKK.......", ".....K..K.......",
    "....KK..KK......", "....K....K......", "...KKKKKKKK.....", "...K......K.....", "..KK......KK....",
    "..K........K....", "................", "................", "................", "................",
};

constexpr PixelArt kTextBoxArt = {
    "................", "................", "................", "DDDDDDDDDDDDDDDD", "DKKKKKKKKKKKKKKW",
    "DKWWWWWWWWWWWWDW", "DKWWKWWWWWWWWWDW", "DKWWKWWWWWWWWWDW", "DKWWKWWWWWWWWWDW", "DKWWKWWWWWWWWWDW",
    "DKWWWWWWWWWWWWDW", "DDDDDDDDDDDDDDDW", "WWWWWWWWWWWWWWWW", "................", "................",
};

constexpr PixelArt kCommandButtonArt = {
    "................", "................", "WWWWWWWWWWWWWWWK", "W.............DK", "W.............DK",
    "W.............DK", "W....KKKKKK...DK", "W.............DK", "W.............DK", "W.............DK",
    "WDDDDDDDDDDDDDDK", "KKKKKKKKKKKKKKKK", "................", "................", "................",
};

std::uint32_t pixel_of(char code) {
  switch (code) {
    case 'K': return 0x000000;
    case 'D': return 0x808080;
    case 'W': return 0xFFFFFF;
    default: return 0xC0C0C0;
  }
}

Bitmap from_art(const PixelArt& art) {
  Bitmap bitmap{kToolboxBitmapWidth, kToolboxBitmapHeight, {}};
  for (std::string_view row : art)
    for (char code : row) bitmap.pixels.push_back(pixel_of(code));
  return bitmap;
}

// The library's classes show their published toolbox bitmaps.
std::optional<Bitmap> library_icon(std::string_view class_name) {
  for (const auto& info : opaline_classes()) {
    if (info.name != class_name) continue;
    const auto image = toolbox_bitmap(info.toolbox_bitmap_id);
    if (!image) return std::nullopt;
    Bitmap bitmap{image->width, image->height, {}};
    for (const Rgb& p : image->pixels)
      bitmap.pixels.push_back(std::uint32_t{p.r} << 16 | std::uint32_t{p.g} << 8 | p.b);
    return bitmap;
  }
  return std::nullopt;
}

std::shared_ptr<Picture> icon(std::string_view class_name) {
  std::optional<Bitmap> bitmap = library_icon(class_name);
  if (class_name == "Label") bitmap = from_art(kLabelArt);
  if (class_name == "TextBox") bitmap = from_art(kTextBoxArt);
  if (class_name == "CommandButton") bitmap = from_art(kCommandButtonArt);
  if (!bitmap) return nullptr;
  return std::make_shared<Picture>(std::make_shared<const Bitmap>(std::move(*bitmap)));
}

}  // namespace

ToolboxWindow::ToolboxWindow(Desktop& desktop, EventRouter& router, Point at, DropHandler on_drop) {
  const std::vector<Tool> all_tools = tools();
  form_ = desktop.create_form("Toolbox");
  form_->put_Caption("Toolbox");
  form_->place_twips(at.x * kTwipsPerPixel, at.y * kTwipsPerPixel, (kToolWidth + 16) * kTwipsPerPixel,
                     (int(all_tools.size()) * kToolHeight + 16) * kTwipsPerPixel);
  for (std::size_t i = 0; i < all_tools.size(); ++i) {
    tool_classes_.emplace_back(all_tools[i].class_name);
    const int top = 8 + int(i) * kToolHeight;
    auto button = place_control(*form_, *form_, "CommandButton", "Tool" + std::to_string(i + 1), {8, top},
                                Size{kToolWidth, kToolHeight - 2});
    button->put_property("Caption", Value(std::string(all_tools[i].caption)));
    router.on(button, "Click", [this, i](std::span<Value>) { pick(i); });
    // A tool dragged out of the toolbox is placed where it is let go; the
    // button raises no Click for a release outside it.
    router.on(button, "MouseUp", [this, i, on_drop, &desktop](std::span<Value>) {
      const Point cursor = desktop.cursor();
      if (!form_->screen_rect().contains(cursor) && on_drop(tool_classes_[i], cursor)) take_pick();
    });
    buttons_.push_back(button);
    // The icon lies over the button's left end; a click on it picks the tool too.
    auto image = place_control(*form_, *form_, "Image", "Icon" + std::to_string(i + 1), {14, top + 3});
    static_cast<Image&>(*image).set_picture(icon(all_tools[i].class_name));
    router.on(image, "Click", [this, i](std::span<Value>) { pick(i); });
  }
}

void ToolboxWindow::pick(std::size_t tool) {
  picked_ = tool;
  mark_.show(*form_, {buttons_[tool].get()});
}

std::optional<std::string> ToolboxWindow::take_pick() {
  if (!picked_) return std::nullopt;
  const std::string class_name = tool_classes_[*picked_];
  picked_.reset();
  if (form_->alive()) mark_.clear();
  return class_name;
}

void ToolboxWindow::close() {
  if (form_->alive()) form_->desktop()->unload(*form_);
}

}  // namespace okit
