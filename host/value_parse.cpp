#include <algorithm>
#include <charconv>
#include <limits>

#include "host/dispatch.h"
#include "host/float_chars.h"
#include "host/utf8.h"
#include "host/value.h"
#include "host/value_text.h"

namespace okit {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// What the syntax check of a decimal number learns on the way.
struct DecimalForm {
  bool whole = true;  // no point and no exponent
  // The power of ten just above the number (0 for 0.1 to 0.99, 1 for 1 to
  // 9.9, 3 for 100 to 999): it tells a Double overflow from an underflow
  // without a second parse.
  long long magnitude = 0;
};

// Reads the exponent digits after 'E'; large values are clamped, they only
// need to stay far beyond what a Double can hold.
std::optional<long long> scan_exponent(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long exponent = 0;
  for (char c : text) {
    if (!is_digit(c)) return std::nullopt;
    exponent = std::min(exponent * 10 + (c - '0'), 1'000'000LL);
  }
  return negative ? -exponent : exponent;
}

// [+|-] digits [. digits] [E [+|-] digits], with at least one mantissa digit.
std::optional<DecimalForm> scan_decimal(std::string_view text) {
  std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  long long digits = 0, before_point = -1, first_nonzero = -1;
  for (; i < text.size(); ++i) {
    if (is_digit(text[i])) {
      if (text[i] != '0' && first_nonzero < 0) first_nonzero = digits;
      ++digits;
    } else if (text[i] == '.' && before_point < 0) {
      before_point = digits;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  DecimalForm form;
  form.whole = before_point < 0;
  if (before_point < 0) before_point = digits;
  long long exponent = 0;
  if (i < text.size()) {
    if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
    const std::optional<long long> written = scan_exponent(text.substr(i + 1));
    if (!written) return std::nullopt;
    exponent = *written;
    form.whole = false;
  }
  form.magnitude = first_nonzero < 0 ? 0 : before_point - first_nonzero + exponent;
  return form;
}

// The smallest of Integer and Long that holds a whole number; nullopt beyond
// a Long, which then reads as a Double.
std::optional<Value> whole_number(std::string_view digits) {
  std::int64_t number = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (result.ec != std::errc()) return std::nullopt;
  if (number >= std::numeric_limits<std::int16_t>::min() && number <= std::numeric_limits<std::int16_t>::max()) {
    return Value(static_cast<std::int16_t>(number));
  }
  if (number >= std::numeric_limits<std::int32_t>::min() && number <= std::numeric_limits<std::int32_t>::max()) {
    return Value(static_cast<std::int32_t>(number));
  }
  return std::nullopt;
}

// A number too small for a Double reads as zero, one too large overflows.
Value double_number(std::string_view digits, const DecimalForm& form) {
  double number = 0;
  if (read_double(digits, number) == std::errc()) return number;
  if (form.magnitude > 0) throw RuntimeError(err::Overflow);
  return 0.0;
}

// &HFF, &HFF& and 0xFF; the digits are the 32 bits of a Long, so
// &H80000008& is -2147483640.
std::optional<std::string_view> hex_digits(std::string_view text) {
  if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    text.remove_prefix(2);
    if (text.back() == '&') text.remove_suffix(1);
    return text;
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return text.substr(2);
  return std::nullopt;
}

std::optional<Value> hex_number(std::string_view digits) {
  std::uint32_t bits = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
  if (digits.empty() || result.ptr != digits.data() + digits.size()) return std::nullopt;
  if (result.ec == std::errc::result_out_of_range) throw RuntimeError(err::Overflow);
  return Value(static_cast<std::int32_t>(bits));
}

LoadError literal_error(std::string message) { return LoadError{"", 0, std::move(message)}; }

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// `text` starts with the piece's name; how long the name is, or 0 when it is
// neither Chr( nor ChrW(.
std::size_t chr_name_length(std::string_view text) {
  if (text.size() >= 5 && equals_ignore_case(text.substr(0, 5), "ChrW(")) return 5;
  if (text.size() >= 4 && equals_ignore_case(text.substr(0, 4), "Chr(")) return 4;
  return 0;
}

// Chr(N) or ChrW(N) at text[pos]; appends its character to `out` and moves
// pos past it. Chr stops at 127, as Chr of the classic language takes 128 to
// 255 from the ANSI code page.
std::optional<LoadError> scan_chr(std::string_view text, std::size_t& pos, std::string& out) {
  const std::size_t name = chr_name_length(text.substr(pos));
  const bool wide = name == 5;
  const std::size_t close = text.find(')', pos + name);
  const std::string_view digits =
      close == std::string_view::npos ? std::string_view() : text.substr(pos + name, close - pos - name);
  std::uint32_t code = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
  const std::uint32_t highest = wide ? 0xFFFF : 0x7F;
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || code > highest ||
      (code >= 0xD800 && code <= 0xDFFF))
    return literal_error(std::string(wide ? "ChrW" : "Chr") + "(N) needs a character code N from 0 to " +
                         std::to_string(highest) + (wide ? ", not a surrogate" : ""));
  out += encode_utf8(code);
  pos = close + 1;
  return std::nullopt;
}

// "text" at text[pos] with "" standing for one quote inside; appends the
// text to `out` and moves pos past the closing quote.
std::optional<LoadError> scan_quoted(std::string_view text, std::size_t& pos, std::string& out) {
  for (std::size_t i = pos + 1;; ++i) {
    if (i >= text.size()) return literal_error("unterminated string");
    if (text[i] != '"') {
      out += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '"') {
      out += '"';
      ++i;
    } else {
      pos = i + 1;
      return std::nullopt;
    }
  }
}

}  // namespace

namespace value_text {

std::optional<Value> keyword(std::string_view token) {
  if (equals_ignore_case(token, "True")) return Value::boolean(true);
  if (equals_ignore_case(token, "False")) return Value::boolean(false);
  if (equals_ignore_case(token, "Empty")) return Value();
  if (equals_ignore_case(token, "Null")) return Value::null();
  return std::nullopt;
}

std::optional<Value> scan_number(std::string_view text) {
  if (std::optional<std::string_view> digits = hex_digits(text)) return hex_number(*digits);
  const std::optional<DecimalForm> form = scan_decimal(text);
  if (!form) return std::nullopt;
  // from_chars takes a leading '-' but not a '+'.
  if (text.front() == '+') text.remove_prefix(1);
  if (form->whole) {
    if (std::optional<Value> whole = whole_number(text)) return whole;
  }
  return double_number(text, *form);
}

bool starts_string_literal(std::string_view text) {
  return (!text.empty() && text.front() == '"') || chr_name_length(text) > 0;
}

Expected<StringLiteral> scan_string_literal(std::string_view text) {
  StringLiteral literal;
  std::size_t pos = 0;
  while (true) {
    const bool quoted = pos < text.size() && text[pos] == '"';
    if (!quoted && chr_name_length(text.substr(pos)) == 0)
      return literal_error(pos == 0 ? "expected a string" : "expected a string or Chr(N) after '&'");
    const auto problem = quoted ? scan_quoted(text, pos, literal.text) : scan_chr(text, pos, literal.text);
    if (problem) return *problem;
    literal.length = pos;
    while (pos < text.size() && is_blank(text[pos])) ++pos;
    if (pos == text.size() || text[pos] != '&') return literal;
    ++pos;
    while (pos < text.size() && is_blank(text[pos])) ++pos;
  }
}

}  // namespace value_text

std::optional<Value> parse_literal(std::string_view token) {
  if (value_text::starts_string_literal(token)) {
    auto literal = value_text::scan_string_literal(token);
    if (!literal || literal->length != token.size()) return std::nullopt;
    return Value(std::move(literal->text));
  }
  if (std::optional<Value> named = value_text::keyword(token)) return named;
  try {
    return value_text::scan_number(token);
  } catch (const RuntimeError&) {
    return std::nullopt;  // a number no variant subtype can hold is no literal
  }
}

}  // namespace okit
