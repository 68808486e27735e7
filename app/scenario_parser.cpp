#include "app/scenario_parser.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "app/key_names.h"
#include "host/dispatch.h"
#include "host/utf8.h"
#include "host/value.h"

namespace okit {

namespace {

bool is_string_literal(std::string_view token) {
  const std::optional<Value> literal = parse_literal(token);
  return literal && literal->type() == VarType::String;
}

// Scripts print a string that holds control characters as pieces joined by
// " & " ("ab" & Chr(7) & "c"), and take it back the same way: such a chain
// is one token. Each piece is looked at once, so a long chain stays linear.
std::vector<std::string> join_string_chains(std::vector<std::string> tokens) {
  std::vector<std::string> joined;
  bool chain = false;  // joined.back() is a string the next piece may join
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (chain && tokens[i] == "&" && i + 1 < tokens.size() && is_string_literal(tokens[i + 1])) {
      joined.back().append(" & ").append(tokens[++i]);
      continue;
    }
    chain = is_string_literal(tokens[i]);
    joined.push_back(std::move(tokens[i]));
  }
  return joined;
}

}  // namespace

Expected<std::vector<std::string>> tokenize(std::string_view line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    if (line[i] == '"') {
      ++i;
      while (true) {
        if (i >= line.size()) return LoadError{"", 0, "unterminated string"};
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        ++i;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    }
    tokens.emplace_back(line.substr(start, i - start));
  }
  return join_string_chains(std::move(tokens));
}

std::string unquote(std::string_view token) {
  if (token.size() < 2 || token.front() != '"') return std::string(token);
  std::string text;
  for (std::size_t i = 1; i + 1 < token.size(); ++i) {
    text += token[i];
    if (token[i] == '"') ++i;
  }
  return text;
}

namespace {

bool is_integer(std::string_view s) {
  int value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

bool is_number(std::string_view s) {
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

bool is_mouse_button(std::string_view s) {
  return equals_ignore_case(s, "left") || equals_ignore_case(s, "right") || equals_ignore_case(s, "middle");
}

// Checks one command's arguments; returns an error message or "".
std::string check(const ScenarioCommand& c) {
  const auto& a = c.args;
  const std::size_t n = a.size();
  const auto ints = [&](std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i)
      if (i >= n || !is_integer(a[i])) return false;
    return true;
  };
  const std::string& v = c.verb;
  if (v == "echo") return "";
  if (v == "form") {
    if (n < 5 || n > 6 || !ints(1, 4) || (n == 6 && !equals_ignore_case(a[5], "borderless")))
      return "usage: form NAME X Y W H [borderless]";
    return "";
  }
  if (v == "place") {
    std::size_t positional = n;
    if (n >= 2 && equals_ignore_case(a[n - 2], "in")) positional = n - 2;
    if ((positional != 4 && positional != 6) || !ints(2, positional - 2))
      return "usage: place CLASS NAME X Y [W H] [in PARENT]";
    return "";
  }
  if (v == "load") return n == 1 ? "" : "usage: load FILE";
  if (v == "save") return n <= 1 ? "" : "usage: save [FILE]";
  if (v == "set") {
    if (n != 2) return "usage: set OBJ.PROP VALUE";
    return parse_literal(a[1]) ? "" : "'" + a[1] + "' is not a value";
  }
  if (v == "get") return n == 1 ? "" : "usage: get OBJ.PROP";
  if (v == "elem") return n == 1 && std::count(a[0].begin(), a[0].end(), '.') >= 2 ? "" : "usage: elem OBJ.CHILD.PROP";
  if (v == "mouse") {
    if (n >= 1 && equals_ignore_case(a[0], "move")) return n == 3 && ints(1, 2) ? "" : "usage: mouse move X Y";
    if (n >= 1 && (equals_ignore_case(a[0], "down") || equals_ignore_case(a[0], "up")))
      return n == 1 || (n == 2 && is_mouse_button(a[1])) ? "" : "usage: mouse down|up [left|right|middle]";
    return "usage: mouse move X Y | mouse down [BUTTON] | mouse up [BUTTON]";
  }
  if (v == "click" || v == "dblclick") return n == 2 && ints(0, 2) ? "" : "usage: " + v + " X Y";
  if (v == "key" || v == "keydown" || v == "keyup") {
    if (n != 1) return "usage: " + v + " KEY";
    return parse_key(a[0]) ? "" : "unknown key '" + a[0] + "'";
  }
  if (v == "type") return n == 1 && is_string_literal(a[0]) ? "" : "usage: type \"TEXT\"";
  if (v == "compose" || v == "commit") {
    if (n != 1 || !is_string_literal(a[0])) return std::string("usage: ").append(v).append(" \"TEXT\"");
    // An input method sends well-formed text; a script may not.
    if (!is_valid_utf8(parse_literal(a[0])->as_string())) return std::string(v).append(": TEXT is not valid UTF-8");
    return "";
  }
  if (v == "focus") return n == 1 ? "" : "usage: focus OBJ";
  if (v == "activate") return n == 1 ? "" : "usage: activate FORM|none";
  if (v == "resize") return n == 3 && ints(1, 2) ? "" : "usage: resize OBJ W H";
  if (v == "move") return n == 3 && ints(1, 2) ? "" : "usage: move OBJ X Y";
  if (v == "tick" || v == "timer-min") return n == 1 && is_number(a[0]) ? "" : "usage: " + v + " MS";
  if (v == "off") return n == 1 && a[0].find('.') != std::string::npos ? "" : "usage: off OBJ.EVENT";
  if (v == "unload") return n == 1 ? "" : "usage: unload FORM";
  if (v == "repaint") return n == 1 ? "" : "usage: repaint FORM";
  if (v == "pixel") return n == 2 && ints(0, 2) ? "" : "usage: pixel X Y";
  if (v == "snapshot") return n == 1 || n == 2 ? "" : "usage: snapshot [FORM] FILE";
  return "unknown command '" + v + "'";
}

Expected<ScenarioCommand> parse_command(std::string_view text, int line);

// `on OBJ.EVENT arg NAME = VALUE` or `on OBJ.EVENT COMMAND...`.
std::string check_on(ScenarioCommand& c, std::string_view after_verb) {
  if (c.args.size() < 2 || c.args[0].find('.') == std::string::npos)
    return "usage: on OBJ.EVENT COMMAND... | on OBJ.EVENT arg NAME = VALUE";
  if (c.args[1] == "arg") {
    if (c.args.size() != 5 || c.args[3] != "=") return "usage: on OBJ.EVENT arg NAME = VALUE";
    return parse_literal(c.args[4]) ? "" : "'" + c.args[4] + "' is not a value";
  }
  const auto start = after_verb.find(c.args[0]) + c.args[0].size();
  auto nested = parse_command(after_verb.substr(start), c.line);
  if (!nested) return nested.error().message;
  c.nested = std::make_shared<ScenarioCommand>(std::move(*nested));
  return "";
}

Expected<ScenarioCommand> parse_command(std::string_view text, int line) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  ScenarioCommand c;
  c.line = line;
  const auto verb_end = std::min(text.find_first_of(" \t"), text.size());
  c.verb = std::string(text.substr(0, verb_end));
  std::transform(c.verb.begin(), c.verb.end(), c.verb.begin(), [](unsigned char ch) { return std::tolower(ch); });
  std::string_view after_verb = text.substr(verb_end);
  c.rest = std::string(after_verb.empty() ? after_verb : after_verb.substr(1));
  if (c.verb != "echo") {
    auto tokens = tokenize(after_verb);
    if (!tokens) return LoadError{"", line, tokens.error().message};
    c.args = std::move(*tokens);
  }
  const std::string problem = c.verb == "on" ? check_on(c, after_verb) : check(c);
  if (!problem.empty()) return LoadError{"", line, problem};
  return c;
}

}  // namespace

Expected<Script> parse_script(std::string_view text, const std::string& file) {
  Script script;
  script.file = file;
  int line = 0;
  while (!text.empty()) {
    ++line;
    const auto end = std::min(text.find('\n'), text.size());
    std::string_view row = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
    const auto first = row.find_first_not_of(" \t");
    if (first == std::string_view::npos || row[first] == '#') continue;
    auto command = parse_command(row, line);
    if (!command) return LoadError{file, line, command.error().message};
    script.commands.push_back(std::move(*command));
  }
  return script;
}

}  // namespace okit
