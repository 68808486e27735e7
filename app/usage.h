#pragma once
// The okit command line's own description of itself: one entry per command
// with its synopsis, what it does and a line per option. `--help`, `okit help
// CMD`, the short usage printed on wrong usage, the manual page (generated
// from `okit help --all` at build time) and the completion test all read it,
// so the four cannot drift apart.

#include <ostream>
#include <span>
#include <string_view>

namespace okit {

struct OptionHelp {
  std::string_view name;  // "--scale N", "-o OUT.png", or an argument such as "FORM"
  std::string_view text;
};

struct CommandHelp {
  std::string_view name;      // "render"
  std::string_view synopsis;  // "render FORM -o OUT.png [--state STATE] ..."
  std::string_view summary;   // one line, for the command list
  std::string_view details;   // more lines for the command's own help; may be empty
  std::span<const OptionHelp> options;
};

std::span<const CommandHelp> command_helps();
const CommandHelp* find_command_help(std::string_view name);

// "okit 8.0.0"
void print_version(std::ostream& out);
// The usage of the whole program: every command with its summary, the
// options every command takes, the environment and the exit status.
void print_help(std::ostream& out);
// One command: synopsis, what it does, each option in a line.
void print_command_help(const CommandHelp& command, std::ostream& out);
// The overview followed by every command's help: the manual page's source.
void print_full_help(std::ostream& out);

// Wrong usage: the synopsis of one command (or of every command) on the
// error stream; returns the exit status 2 for the caller to pass on.
int short_usage(std::ostream& err, std::string_view command = {});

}  // namespace okit
