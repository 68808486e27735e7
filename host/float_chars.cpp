#include "host/float_chars.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace okit {

#if defined(__cpp_lib_to_chars)

namespace {
template <typename Float>
std::string to_scientific(Float x) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}
}  // namespace

std::string shortest_scientific(double x) { return to_scientific(x); }
std::string shortest_scientific(float x) { return to_scientific(x); }

std::errc read_double(std::string_view text, double& value) {
  return std::from_chars(text.data(), text.data() + text.size(), value).ec;
}

#else

namespace {
// printf rounds correctly at every precision, so the first precision that
// reads back is the shortest, and its digits the nearest.
template <typename Float>
std::string to_scientific(Float x, int max_precision) {
  char buffer[64];
  for (int precision = 0;; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, static_cast<double>(x));
    const Float back = static_cast<Float>(std::strtod(buffer, nullptr));
    if (back == x || precision >= max_precision) return buffer;
  }
}
}  // namespace

std::string shortest_scientific(double x) { return to_scientific(x, 16); }
std::string shortest_scientific(float x) { return to_scientific(x, 8); }

std::errc read_double(std::string_view text, double& value) {
  const std::string terminated(text);
  char* end = nullptr;
  errno = 0;
  const double number = std::strtod(terminated.c_str(), &end);
  if (end != terminated.c_str() + terminated.size() || terminated.empty()) return std::errc::invalid_argument;
  if (errno == ERANGE) return std::errc::result_out_of_range;
  value = number;
  return {};
}

#endif

}  // namespace okit
