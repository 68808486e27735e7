#pragma once
// Checking a skin folder: DIR/CONTROL/NAME.bmp for every image the controls'
// looks need (CONTROL is the control's folder name, "button"). A file is
// usable when the host's BMP reader decodes it, it stores 24 or 32 bits per
// pixel (32-bit files draw opaque: the reader drops the fourth byte, and
// see-through pixels use the magenta key as in the built-in skins), and it
// has the built-in image's width and height, which the controls' layouts are
// built on. Paletted files are refused: their few colours cannot hold the
// gradients the looks are made of. A control with no folder in DIR keeps its
// built-in images without complaint, so a folder may re-skin some controls
// only.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/expected.h"
#include "host/picture.h"
#include "host/skins.h"

namespace okit {

enum class SkinVerdict {
  Ok,          // the file replaces the built-in image
  NoFolder,    // DIR has no folder for the control: built-in, not a problem
  Missing,     // the control's folder lacks the file
  WrongSize,
  WrongDepth,
  Unreadable,  // cannot be read, or the reader rejects it
};

struct SkinFileCheck {
  SkinImage needed;
  std::string path;  // DIR/CONTROL/NAME.bmp as the user would type it
  SkinVerdict verdict = SkinVerdict::Ok;
  int width = 0;  // what the file holds, once decoded
  int height = 0;
  int bits_per_pixel = 0;
  std::string reason;             // the reader's message, for Unreadable
  std::optional<Bitmap> bitmap;   // the decoded image, for Ok
};

// The colour depth a BMP file's info header gives; only for bytes the BMP
// reader has accepted, which proves the header is there.
int bmp_bits_per_pixel(std::span<const std::uint8_t> bmp);

// One check per image of skin_images(), in that order; a LoadError when DIR
// is not a folder.
Expected<std::vector<SkinFileCheck>> check_skin_folder(const std::string& dir);

// "ok", "missing", "wrong size (20 x 21, needs 7 x 21)", ...: the verdict as
// `okit skins DIR` lists it.
std::string verdict_text(const SkinFileCheck& check);

// Whether the verdict keeps the built-in image although DIR meant to
// replace it.
bool is_problem(const SkinFileCheck& check);

// "skins/button/d1.bmp: 20 x 21 pixels, the button needs 7 x 21; using the
// built-in image": the warning for a problem.
std::string skin_warning(const SkinFileCheck& check);

}  // namespace okit
