#pragma once
// The skin pictures of the controls, by control and image name
// (skin_picture("button", "d1")). Each image is decoded once, on first use,
// and every later lookup returns the same Picture, so all instances of a
// control share one bitmap and one handle.
//
// A skin folder (use_skin_folder) replaces the built-in images with files
// from disk for every lookup that follows. Controls take their pictures when
// they are created, so a folder re-skins the controls created after it
// applies; pictures already handed out keep their bitmaps, and a running
// control never changes its look halfway.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/expected.h"
#include "host/picture.h"

namespace okit {

// The colour that marks see-through pixels in a skin file. A skin that
// contains it gets it as its bitmap's transparent key; no opaque skin uses
// this colour.
inline constexpr std::uint32_t kSkinTransparentKey = 0xFF00FF;

// The picture of one skin image; `control` is the control's folder
// ("button", "caption", "checkbox", "textbox", "tabstrip") and `name` the
// image's name ("d1"), which also becomes the picture's source name. An
// unknown control or name raises run-time error 481 (Invalid picture).
std::shared_ptr<Picture> skin_picture(std::string_view control, std::string_view name);

// The names of a control's skin images in alphabetical order; empty for a
// control without skins.
std::vector<std::string> skin_names(std::string_view control);

// One image a control's looks need, as the built-in file has it.
struct SkinImage {
  std::string control;
  std::string name;
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
};

// Every skin image, by control folder and then by name, both alphabetical.
std::vector<SkinImage> skin_images();

// Makes later lookups draw from DIR/CONTROL/NAME.bmp wherever that file is
// usable (see skin_folder.h), and from the built-in image everywhere else.
// Returns one warning per file that is missing or unusable, naming the file
// and the reason; a LoadError when DIR is not a folder. A second folder
// replaces the first rather than adding to it.
Expected<std::vector<std::string>> use_skin_folder(const std::string& dir);

// Back to the built-in images for every later lookup.
void use_built_in_skins();

}  // namespace okit
