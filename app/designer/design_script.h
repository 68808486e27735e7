#pragma once
// The designer's command set, one command per line, for running the designer
// without a screen (`okit design FORM --script FILE`). Like a scenario, the
// whole script is checked before the first command runs, and each command
// prints what it did.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/designer/designer.h"
#include "host/expected.h"
#include "host/value.h"

namespace okit {

struct DesignCommand {
  int line = 0;
  std::string verb;
  std::vector<std::string> args;  // tokens after the verb; strings keep their quotes
  std::string entered;            // enter: the rest of the line after NAME.PROP, as typed
};

// Checks every line's verb and arguments; the first problem is "FILE:LINE:
// message".
Expected<std::vector<DesignCommand>> parse_design_script(std::string_view text, const std::string& file);

// left, right, up or down.
std::optional<Direction> parse_direction(std::string_view word);

// Runs the commands against `designer`. Exit status 0, or 1 when a command
// reported an error.
int run_design_script(Designer& designer, const std::vector<DesignCommand>& commands, std::ostream& out,
                      std::ostream& err);

// okit design FORM --script FILE
int design_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace okit
