#pragma once
// Number text shared by the conversions (value.cpp), the printer
// (value_format.cpp) and the literal reader (value_parse.cpp). Private to the
// host: callers outside use Value, format_value and parse_literal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The named literals True, False, Empty and Null (any case), or nullopt.
std::optional<Value> keyword(std::string_view token);

// x rounded half to even, when the result fits a Long.
std::optional<std::int32_t> rounded_long(double x);

}  // namespace okit::value_text
