#pragma once
// Number text shared by the conversions (value.cpp), the printer
// (value_format.cpp) and the literal reader (value_parse.cpp). Private to the
// host: callers outside use Value, format_value and parse_literal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/expected.h"
#include "host/value.h"

namespace okit::value_text {

// Reads a number written as a literal would be: a decimal with an optional
// sign, point and exponent (Integer, Long or Double by size and form), or hex
// as &HFF, &HFF& or 0xFF (Long, two's complement). nullopt when the text is
// not such a number; Overflow (6) when it is one but does not fit its type.
std::optional<Value> scan_number(std::string_view text);

// The shortest text that reads back as exactly the same number, in fixed
// notation for ordinary magnitudes and as 1E+20 / 1.5E-07 otherwise.
std::string format_number(float x);
std::string format_number(double x);

// A string literal as format_value writes it, at the start of `text`: pieces
// that are "text" (with "" for a quote), Chr(N) (N from 0 to 127) or ChrW(N)
// (N from 0 to 65535, not a surrogate), joined by & with blanks around it
// allowed: "ab" & Chr(7) & "c". `length` is how much of `text` it takes; what
// follows is the caller's to judge. Errors carry only a message.
struct StringLiteral {
  std::string text;
  std::size_t length = 0;
};
bool starts_string_literal(std::string_view text);  // with '"', Chr( or ChrW(
Expected<StringLiteral> scan_string_literal(std::string_view text);

// The named literals True, False, Empty and Null (any case), or nullopt.
std::optional<Value> keyword(std::string_view token);

// x rounded half to even, when the result fits a Long.
std::optional<std::int32_t> rounded_long(double x);

}  // namespace okit::value_text
