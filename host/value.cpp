#include "host/value.h"

#include <cmath>
#include <limits>

#include "host/dispatch.h"
#include "host/value_text.h"

namespace okit {

namespace {

std::string_view trim_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A string converts to a number the way the same text would read as a
// literal, with blanks around it allowed (" 12 " is 12, "&HFF" is 255).
Value number_in_string(const std::string& text) {
  std::optional<Value> number = value_text::scan_number(trim_blanks(text));
  if (!number) throw RuntimeError(err::TypeMismatch);
  return *number;
}

// x rounded half to even, or nullopt when that does not fit Int (or x is NaN).
template <typename Int>
std::optional<Int> rounded_whole(double x) {
  const double whole = round_half_even(x);
  constexpr double low = std::numeric_limits<Int>::min();
  constexpr double high = std::numeric_limits<Int>::max();
  if (!(whole >= low && whole <= high)) return std::nullopt;
  return static_cast<Int>(whole);
}

template <typename Int>
Int rounded_or_overflow(double x) {
  if (std::optional<Int> whole = rounded_whole<Int>(x)) return *whole;
  throw RuntimeError(err::Overflow);
}

}  // namespace

std::optional<std::int32_t> value_text::rounded_long(double x) { return rounded_whole<std::int32_t>(x); }

double round_half_even(double x) {
  const double nearest = std::round(x);  // halves away from zero
  // The difference is exact: x and nearest are within a factor of two of each
  // other, or nearest is zero. Only a true half needs the even neighbour.
  if (std::fabs(x - nearest) == 0.5) return 2 * std::round(x / 2);
  return nearest;
}

bool Value::is_numeric() const {
  switch (type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Boolean:
      return true;
    default:
      return false;
  }
}

// Every numeric conversion goes through double: it holds each Integer, Long
// and Single exactly, so rounding and range checks happen in one place.
double Value::to_double() const {
  switch (type()) {
    case VarType::Empty: return 0;
    case VarType::Null: throw RuntimeError(err::InvalidUseOfNull);
    case VarType::Integer: return as_integer();
    case VarType::Long: return as_long();
    case VarType::Single: return as_single();
    case VarType::Double: return as_double();
    case VarType::String: return number_in_string(as_string()).to_double();
    case VarType::Boolean: return as_boolean() ? -1 : 0;
    case VarType::Object: break;
  }
  throw RuntimeError(err::TypeMismatch);
}

std::int16_t Value::to_integer() const {
  if (type() == VarType::Integer) return as_integer();
  return rounded_or_overflow<std::int16_t>(to_double());
}

std::int32_t Value::to_long() const {
  // Timer-driven refreshes read Long handles many times a second: whole
  // numbers need no trip through floating point.
  if (type() == VarType::Long) return as_long();
  if (type() == VarType::Integer) return as_integer();
  return rounded_or_overflow<std::int32_t>(to_double());
}

float Value::to_single() const {
  if (type() == VarType::Single) return as_single();
  const double x = to_double();
  if (std::fabs(x) > std::numeric_limits<float>::max()) throw RuntimeError(err::Overflow);
  return static_cast<float>(x);
}

bool Value::to_bool() const {
  switch (type()) {
    case VarType::Boolean: return as_boolean();
    case VarType::String: {
      const std::string_view text = trim_blanks(as_string());
      if (equals_ignore_case(text, "True")) return true;
      if (equals_ignore_case(text, "False")) return false;
      return number_in_string(as_string()).to_double() != 0;
    }
    default: return to_double() != 0;
  }
}

std::string Value::to_string() const {
  switch (type()) {
    case VarType::Empty: return {};
    case VarType::Null: throw RuntimeError(err::InvalidUseOfNull);
    case VarType::Integer: return std::to_string(as_integer());
    case VarType::Long: return std::to_string(as_long());
    case VarType::Single: return value_text::format_number(as_single());
    case VarType::Double: return value_text::format_number(as_double());
    case VarType::String: return as_string();
    case VarType::Boolean: return as_boolean() ? "True" : "False";
    case VarType::Object: break;
  }
  throw RuntimeError(err::TypeMismatch);
}

Value coerce(const Value& value, PropType type) {
  switch (type) {
    case PropType::Boolean: return Value::boolean(value.to_bool());
    case PropType::Integer: return value.to_integer();
    case PropType::Long:
    case PropType::Color:
    case PropType::Enum: return value.to_long();
    case PropType::Single: return value.to_single();
    case PropType::Double: return value.to_double();
    case PropType::String: return value.to_string();
    case PropType::Object:
      if (value.type() != VarType::Object) throw RuntimeError(err::TypeMismatch);
      return value;
    case PropType::Variant: break;
  }
  return value;
}

}  // namespace okit
