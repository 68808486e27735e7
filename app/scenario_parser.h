#pragma once
// The scenario language: one command per line, checked as a whole before
// anything runs, so a typo on line 40 stops the script before line 1 acts.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/expected.h"

namespace okit {

struct ScenarioCommand {
  int line = 0;
  std::string verb;               // lower case: "mouse", "set", "on", ...
  std::vector<std::string> args;  // tokens after the verb; strings keep their quotes
  std::string rest;               // the raw text after the verb (echo takes it verbatim)
  // For `on OBJ.EVENT COMMAND...`: the command the handler runs.
  std::shared_ptr<const ScenarioCommand> nested;
};

struct Script {
  std::string file;
  std::vector<ScenarioCommand> commands;
};

Expected<Script> parse_script(std::string_view text, const std::string& file);

// Splits a line into tokens at spaces; a double-quoted string with ""
// doubling is one token (quotes kept), and so is a chain of strings and
// Chr(N) joined by " & " ("ab" & Chr(7) & "c", as scripts print strings).
// An unterminated string is an error (returned as the message).
Expected<std::vector<std::string>> tokenize(std::string_view line);

// The text of a quoted token ("a""b" -> a"b).
std::string unquote(std::string_view token);

}  // namespace okit
