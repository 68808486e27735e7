// okit_skingen: draws every control's skin images and writes them as 24-bit
// BMP files into <controls>/<control>/skins/<name>.bmp, the files the build
// embeds into the library.
//
//   okit_skingen CONTROLS_DIR

#include <filesystem>
#include <fstream>
#include <iostream>

#include "host/bmp.h"
#include "tools/skingen/skin_sets.h"

namespace {

using okit::skingen::SkinSet;

struct ControlSkins {
  const char* folder;
  SkinSet (*draw)();
};

constexpr ControlSkins kControls[] = {
    {"button", okit::skingen::button_skins},     {"caption", okit::skingen::caption_skins},
    {"checkbox", okit::skingen::checkbox_skins}, {"textbox", okit::skingen::textbox_skins},
    {"tabstrip", okit::skingen::tabstrip_skins},
};

bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool write_control(const std::filesystem::path& controls_dir, const ControlSkins& control) {
  const std::filesystem::path folder = controls_dir / control.folder / "skins";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::cerr << "okit_skingen: cannot create " << folder.string() << ": " << error.message() << "\n";
    return false;
  }
  for (const okit::skingen::Skin& skin : control.draw()) {
    const std::filesystem::path path = folder / (skin.name + ".bmp");
    if (!write_file(path, okit::encode_bmp24(skin.bitmap))) {
      std::cerr << "okit_skingen: cannot write " << path.string() << "\n";
      return false;
    }
    std::cout << path.string() << "  " << skin.bitmap.width << " x " << skin.bitmap.height << "\n";
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: okit_skingen CONTROLS_DIR\n"
                 "Writes every control's skin images to CONTROLS_DIR/<control>/skins/<name>.bmp.\n";
    return 2;
  }
  for (const ControlSkins& control : kControls) {
    if (!write_control(argv[1], control)) return 1;
  }
  return 0;
}
