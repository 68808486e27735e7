#include "library/toolbox_bitmaps.h"

#include <array>
#include <string_view>

namespace okit {
namespace {

// Each icon is drawn as text, one character per pixel, so it can be read and
// retouched in the source:
//   .  palette grey (the colour designers treat as the background)
//   K  black        D  dark grey (shadow)     W  white (highlight)
//   F  light face   B  title-bar blue
using PixelArt = std::array<std::string_view, kToolboxBitmapHeight>;

constexpr Rgb colour_of(char code) {
  switch (code) {
    case 'K': return {0x00, 0x00, 0x00};
    case 'D': return {0x80, 0x80, 0x80};
    case 'W': return {0xFF, 0xFF, 0xFF};
    case 'F': return {0xE0, 0xE0, 0xE0};
    case 'B': return {0x00, 0x54, 0xE3};
    default: return {0xC0, 0xC0, 0xC0};
  }
}

constexpr bool is_well_formed(const PixelArt& art) {
  for (std::string_view row : art) {
    if (row.size() != kToolboxBitmapWidth) return false;
    for (char c : row) {
      if (std::string_view(".KDWFB").find(c) == std::string_view::npos) return false;
    }
  }
  return true;
}

// A push button: a rounded bar with a light top edge, a shadowed bottom edge
// and a caption stroke in the middle.
constexpr PixelArt kButtonArt = {
    "................", "................", "................", "..KKKKKKKKKKKK..", ".KWWWWWWWWWWWWK.",
    ".KWFFFFFFFFFFDK.", ".KWFFFFFFFFFFDK.", ".KWFFFKKKKFFFDK.", ".KWFFFFFFFFFFDK.", ".KWFFFFFFFFFFDK.",
    ".KDDDDDDDDDDDDK.", "..KKKKKKKKKKKK..", "................", "................", "................"};

// Two tabs over a panel; the left tab is selected and opens into the panel.
constexpr PixelArt kTabStripArt = {
    "................", "................", "..WWWWW.........", ".W.....K.WWWW...", ".W.KKK.KW....K..",
    ".W.....KW.KK.K..", "WW.....WWWWWWWWW", "W..............K", "W..............K", "W..............K",
    "W..............K", "W..............K", "W..............K", "WKKKKKKKKKKKKKKK", "................"};

// A window with a blue title bar, a caption and a close box.
constexpr PixelArt kCaptionFormArt = {
    "KKKKKKKKKKKKKKKK", "KBBBBBBBBBFFFFFK", "KBBBBBBBBBFKFKFK", "KBWWWWWBBBFFKFFK", "KBBBBBBBBBFKFKFK",
    "KBBBBBBBBBFFFFFK", "K..............K", "K..............K", "K..............K", "K..............K",
    "K..............K", "K..............K", "K..............K", "K..............K", "KKKKKKKKKKKKKKKK"};

// A sunken white edit field with a little text and the caret.
constexpr PixelArt kTextBoxArt = {
    "................", "................", "................", "DDDDDDDDDDDDDDDW", "DKKKKKKKKKKKKK.W",
    "DKWWWWWWKWWWWW.W", "DKWWWWWWKWWWWW.W", "DKWKWKWWKWWWWW.W", "DKWWWWWWKWWWWW.W", "DKWWWWWWKWWWWW.W",
    "DK.............W", "WWWWWWWWWWWWWWWW", "................", "................", "................"};

// A grooved group frame whose top edge leaves a gap for the caption "Ab".
constexpr PixelArt kFrameBorderArt = {
    "................", "....K..K........", "...K.K.K........", "DD.KKK.KK..DDD..", "DW.K.K.K.K.WWDW.",
    "DW.K.K.KK....DW.", "DW...........DW.", "DW...........DW.", "DW...........DW.", "DW...........DW.",
    "DW...........DW.", "DW...........DW.", "DW...........DW.", "DWDDDDDDDDDDDDW.", ".WWWWWWWWWWWWWW."};

// A sunken box with a tick.
constexpr PixelArt kCheckBoxArt = {
    "................", "................", "..DDDDDDDDDDW...", "..DKKKKKKKK.W...", "..DKWWWWWWW.W...",
    "..DKWWWWWWK.W...", "..DKWWWWWKK.W...", "..DKKWWWKKW.W...", "..DKKKWKKWW.W...", "..DKWKKKWWW.W...",
    "..DKWWKWWWW.W...", "..D.........W...", "..WWWWWWWWWWW...", "................", "................"};

static_assert(is_well_formed(kButtonArt) && is_well_formed(kTabStripArt) && is_well_formed(kCaptionFormArt) &&
              is_well_formed(kTextBoxArt) && is_well_formed(kFrameBorderArt) && is_well_formed(kCheckBoxArt));

struct ToolboxEntry {
  int id;
  const PixelArt* art;
};

constexpr ToolboxEntry kToolbox[] = {
    {30000, &kCheckBoxArt}, {30001, &kFrameBorderArt}, {30002, &kTextBoxArt},
    {30003, &kCaptionFormArt}, {30004, &kTabStripArt}, {30005, &kButtonArt},
};

RgbImage render(const PixelArt& art) {
  RgbImage image{kToolboxBitmapWidth, kToolboxBitmapHeight, {}};
  image.pixels.reserve(static_cast<std::size_t>(kToolboxBitmapWidth) * kToolboxBitmapHeight);
  for (std::string_view row : art) {
    for (char code : row) image.pixels.push_back(colour_of(code));
  }
  return image;
}

}  // namespace

std::optional<RgbImage> toolbox_bitmap(int id) {
  for (const ToolboxEntry& entry : kToolbox) {
    if (entry.id == id) return render(*entry.art);
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> toolbox_bitmap_bmp(int id) {
  const std::optional<RgbImage> image = toolbox_bitmap(id);
  if (!image) return std::nullopt;
  return encode_bmp24(*image);
}

}  // namespace okit
