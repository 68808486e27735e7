// The value syntax of form-file property lines. Numbers share the scanner of
// scenario literals so both read "12", "40000" and "&H80000008&" alike; what
// differs is the comment after a value, which can turn a number into a
// Boolean, and strings, which here may span lines and must be valid UTF-8.
// Strings are written as scripts print them, so a control character is
// written as Chr(N) and never raw.

#include <optional>

#include "host/dispatch.h"
#include "host/form_file.h"
#include "host/utf8.h"
#include "host/value_text.h"

namespace okit {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// Value text quoted in an error message, cut short so a runaway string does
// not flood the message.
std::string excerpt(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string quoted(1, '\'');
  quoted.append(text.substr(0, kShown)).append(text.size() <= kShown ? "'" : "...'");
  return quoted;
}

LoadError value_error(std::string message) { return LoadError{"", 0, std::move(message)}; }

// The comment after a number decides whether it is a Boolean.
std::optional<bool> boolean_marker(std::string_view comment) {
  comment = trim(comment);
  if (equals_ignore_case(comment, "True")) return true;
  if (equals_ignore_case(comment, "False")) return false;
  return std::nullopt;
}

// `text` starts with the opening quote or with Chr( / ChrW(: a string as
// format_value writes it, so control characters may stand outside the quotes
// ("ab" & Chr(7) & "c"). Only a comment may follow it. (The reader has
// refused a NUL byte already; Chr(0) is a NUL written out, and reads.)
Expected<Value> parse_string(std::string_view text) {
  Expected<value_text::StringLiteral> literal = value_text::scan_string_literal(text);
  if (!literal) return literal.error();
  const std::string_view after = trim(text.substr(literal->length));
  if (!after.empty() && after.front() != '\'')
    return value_error("unexpected text " + excerpt(after) + " after the closing quote");
  if (!is_valid_utf8(literal->text)) return value_error("string is not valid UTF-8");
  return Value(std::move(literal->text));
}

Expected<Value> parse_unquoted(std::string_view text) {
  const std::size_t comment_start = text.find('\'');
  const std::string_view token = trim(text.substr(0, comment_start));
  const std::string_view comment =
      comment_start == std::string_view::npos ? std::string_view() : text.substr(comment_start + 1);
  if (token.empty()) return value_error("missing value after '='");
  if (std::optional<Value> word = value_text::keyword(token)) return *word;
  std::optional<Value> number;
  try {
    number = value_text::scan_number(token);
  } catch (const RuntimeError&) {
    return value_error("number " + excerpt(token) + " is out of range");
  }
  if (!number) return value_error("value " + excerpt(token) + " is not a number, string or boolean");
  if (boolean_marker(comment)) return Value::boolean(number->to_double() != 0);
  return *number;
}

// A floating-point value whose shortest text looks like an integer ("12")
// gets ".0", or it would read back as an Integer.
std::string floating_text(const Value& v) {
  std::string text = format_value(v);
  if (text.find_first_not_of("-0123456789") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

Expected<Value> parse_form_value(std::string_view text) {
  text = trim(text);
  if (value_text::starts_string_literal(text)) return parse_string(text);
  return parse_unquoted(text);
}

std::string format_form_value(const Value& v) {
  switch (v.type()) {
    case VarType::Boolean: return v.as_boolean() ? "-1  'True" : "0   'False";
    case VarType::String: return format_value(v);  // quoted, "" doubled
    case VarType::Integer: return std::to_string(v.as_integer());
    case VarType::Long: return std::to_string(v.as_long());
    case VarType::Single:
    case VarType::Double: return floating_text(v);
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Object: break;
  }
  return "Nothing";
}

}  // namespace okit
