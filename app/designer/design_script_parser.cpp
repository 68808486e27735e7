// Checking a designer script before it runs: each verb's arguments by count
// and kind, so a typo stops the script before its first line changes the form.

#include <algorithm>
#include <charconv>
#include <map>

#include "app/designer/design_script.h"
#include "app/scenario_parser.h"

namespace okit {

namespace {

bool is_integer(std::string_view s) {
  int value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

using Args = std::vector<std::string>;

// What is wrong with a command's arguments, or nullopt when nothing is.
using Check = std::optional<std::string> (*)(const Args&);

std::optional<std::string> integers(const Args& a, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to && i < a.size(); ++i)
    if (!is_integer(a[i])) return "not a whole number: " + a[i];
  return std::nullopt;
}

std::optional<std::string> count(const Args& a, std::size_t low, std::size_t high,
                                 const char* usage) {
  if (a.size() < low || a.size() > high) return std::string("expected ") + usage;
  return std::nullopt;
}

std::optional<std::string> check_place(const Args& a) {
  const char* usage = "place CLASS [NAME] X Y [W H] [in CONTAINER]";
  std::size_t n = a.size();
  if (n >= 2 && equals_ignore_case(a[n - 2], "in")) n -= 2;
  if (n < 3 || n > 6) return std::string("expected ") + usage;
  const bool named = !is_integer(a[1]);
  if (named ? (n != 4 && n != 6) : (n != 3 && n != 5)) return std::string("expected ") + usage;
  return integers(a, named ? 2 : 1, n);
}

std::optional<std::string> check_two_numbers(const Args& a) {
  if (auto problem = count(a, 2, 2, "two whole numbers")) return problem;
  return integers(a, 0, 2);
}

std::optional<std::string> check_move(const Args& a) {
  if (a.size() == 4 && equals_ignore_case(a[2], "in")) return integers(a, 0, 2);
  if (a.size() != 2) return std::string("expected move DX DY [in CONTAINER]");
  return integers(a, 0, 2);
}

std::optional<std::string> check_nudge(const Args& a) {
  if (auto problem = count(a, 1, 2, "nudge left|right|up|down [grid]")) return problem;
  if (!parse_direction(a[0])) return "not a direction: " + a[0];
  if (a.size() == 2 && a[1] != "grid") return "expected grid after the direction, not " + a[1];
  return std::nullopt;
}

std::optional<std::string> check_set(const Args& a) {
  if (auto problem = count(a, 2, 2, "set NAME.PROP VALUE")) return problem;
  if (a[0].find('.') == std::string::npos) return "expected NAME.PROP, not " + a[0];
  if (!parse_literal(a[1])) return "not a value: " + a[1];
  return std::nullopt;
}

std::optional<std::string> check_get(const Args& a) {
  if (auto problem = count(a, 1, 1, "get NAME.PROP")) return problem;
  if (a[0].find('.') == std::string::npos) return "expected NAME.PROP, not " + a[0];
  return std::nullopt;
}

std::optional<std::string> check_path(const Args& a, std::size_t n, const char* usage) {
  if (a.size() != n || a[0].find('.') == std::string::npos) return std::string("expected ") + usage;
  return std::nullopt;
}

// `enter NAME.PROP TEXT`: TEXT is everything after one space, exactly as
// typed, since the grid's editors read text, not script literals (a lone
// quote is text too).
std::optional<DesignCommand> split_enter(std::string_view line, int line_number) {
  const auto words = [&line](std::size_t from) {
    const auto start = line.find_first_not_of(' ', from);
    return start == std::string_view::npos ? std::pair{line.size(), line.size()}
                                           : std::pair{start, std::min(line.find(' ', start), line.size())};
  };
  const auto [verb_at, verb_end] = words(0);
  if (line.substr(verb_at, verb_end - verb_at) != "enter") return std::nullopt;
  const auto [path_at, path_end] = words(verb_end);
  DesignCommand c{line_number, "enter", {}, ""};
  if (path_at < path_end) c.args.emplace_back(line.substr(path_at, path_end - path_at));
  if (path_end < line.size()) c.entered = line.substr(path_end + 1);
  return c;
}

std::optional<std::string> check_grid(const Args& a) {
  if (auto problem = count(a, 1, 1, "grid N|on|off")) return problem;
  if (a[0] == "on" || a[0] == "off") return std::nullopt;
  int n = 0;
  if (!is_integer(a[0]) || (n = std::stoi(a[0])) < 1 || n > 1000) return "not a grid size (1 to 1000 pixels): " + a[0];
  return std::nullopt;
}

const std::map<std::string, Check, std::less<>>& checks() {
  static const std::map<std::string, Check, std::less<>> table = {
      {"place", check_place},
      {"select", [](const Args& a) { return count(a, 1, 1000, "select NAME... or select none"); }},
      {"deselect", [](const Args& a) { return count(a, 1, 1000, "deselect NAME..."); }},
      {"move", check_move},
      {"resize", check_two_numbers},
      {"nudge", check_nudge},
      {"delete", [](const Args& a) { return count(a, 0, 0, "delete alone"); }},
      {"nest", [](const Args& a) { return count(a, 1, 1, "nest CONTAINER"); }},
      {"set", check_set},
      {"get", check_get},
      {"properties", [](const Args& a) { return count(a, 0, 1, "properties [NAME]"); }},
      {"choices", [](const Args& a) { return check_path(a, 1, "choices NAME.PROP"); }},
      {"enter", [](const Args& a) { return check_path(a, 1, "enter NAME.PROP TEXT"); }},
      {"grid", check_grid},
      {"undo", [](const Args& a) { return count(a, 0, 0, "undo alone"); }},
      {"redo", [](const Args& a) { return count(a, 0, 0, "redo alone"); }},
      {"save", [](const Args& a) { return count(a, 0, 1, "save [FILE]"); }},
      {"title", [](const Args& a) { return count(a, 0, 0, "title alone"); }},
  };
  return table;
}

}  // namespace

std::optional<Direction> parse_direction(std::string_view word) {
  if (word == "left") return Direction::Left;
  if (word == "right") return Direction::Right;
  if (word == "up") return Direction::Up;
  if (word == "down") return Direction::Down;
  return std::nullopt;
}

Expected<std::vector<DesignCommand>> parse_design_script(std::string_view text, const std::string& file) {
  std::vector<DesignCommand> commands;
  int line_number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    DesignCommand c;
    if (auto enter = split_enter(line, line_number)) {
      c = std::move(*enter);
    } else {
      auto tokens = tokenize(line);
      if (!tokens) return LoadError{file, line_number, tokens.error().message};
      if (tokens->empty() || tokens->front()[0] == '#') continue;
      c = DesignCommand{line_number, tokens->front(), {tokens->begin() + 1, tokens->end()}, ""};
    }
    const auto check = checks().find(c.verb);
    if (check == checks().end()) return LoadError{file, line_number, "unknown command: " + c.verb};
    if (auto problem = check->second(c.args)) return LoadError{file, line_number, c.verb + ": " + *problem};
    commands.push_back(std::move(c));
  }
  return commands;
}

}  // namespace okit
