#pragma once
// Runs the okit command line in the test's own process and keeps what it
// printed on each stream.

#include <sstream>
#include <string>
#include <vector>

#include "app/commands.h"

namespace okit::testing {

struct CommandResult {
  int status;
  std::string out;
  std::string err;
};

inline CommandResult run_okit(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run_command_line(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace okit::testing
