#pragma once
// Floating-point numbers to text and back, exactly: the shortest digits that
// read back as the same number, and reading decimal text. std::to_chars and
// std::from_chars do both where the standard library has them for floating
// point; the web build's library has them for integers only, and gets the
// same answers from printf and strtod.

#include <string>
#include <string_view>
#include <system_error>

namespace okit {

// The shortest scientific form that reads back exactly: "1.5e-07", "-3e+00".
std::string shortest_scientific(double x);
std::string shortest_scientific(float x);

// Reads a whole decimal number (an optional '-', digits, point, exponent).
// Returns std::errc::result_out_of_range when it is too large or too small
// for a double, std::errc::invalid_argument when it is not a number.
std::errc read_double(std::string_view text, double& value);

}  // namespace okit
