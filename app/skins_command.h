#pragma once
// okit skins and --skins DIR: checking a folder of skin images against what
// the controls' looks need, and drawing the controls from it.

#include <ostream>
#include <string>
#include <vector>

namespace okit {

// okit skins [DIR]
int skins_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Makes the controls draw from the images in DIR (DIR/CONTROL/NAME.bmp);
// every image that is missing or unusable keeps the built-in one, with one
// warning on `err` naming the file. False when DIR is no folder.
bool use_skin_directory(const std::string& dir, std::ostream& err);

}  // namespace okit
