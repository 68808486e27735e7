#pragma once
// okit header: a C++ header with one struct per form that holds a typed
// reference to each of its controls by name.

#include <ostream>
#include <string>
#include <vector>

namespace okit {

// okit header FORM [-o FILE.h]
int header_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace okit
