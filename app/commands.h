#pragma once
// The okit command line. Exit status: 0 success, 1 the scenario or form ran
// but reported errors, 2 bad usage or a file that cannot be read or parsed.

#include <ostream>
#include <string>
#include <vector>

namespace okit {

int run_command_line(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace okit
