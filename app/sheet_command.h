#pragma once
// okit sheet: a contact sheet of every control in every look it can show,
// forced without faking input and labelled, for skin reviews and goldens.

#include <ostream>
#include <string>
#include <vector>

namespace okit {

// okit sheet [-o OUT.png] [--scale N]
int sheet_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace okit
