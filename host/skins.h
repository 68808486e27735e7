#pragma once
// The skin pictures of the controls, by control and image name
// (skin_picture("button", "d1")). Each image is decoded once, on first use,
// and every later lookup returns the same Picture, so all instances of a
// control share one bitmap and one handle.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace okit
