#pragma once
// Value: the variant every late-bound call, property store and script uses.
// It carries the classic subtypes and converts between them with the classic
// rules: banker's rounding from floating point to integers, Overflow (6) when a
// number does not fit, Type mismatch (13) when a string is not a number.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/export.h"
#include "host/runtime_error.h"

namespace okit {

class Dispatch;
using ObjectRef = std::shared_ptr<Dispatch>;

enum class VarType : std::uint8_t { Empty, Null, Integer, Long, Single, Double, String, Boolean, Object };

// The declared type of a property or an event argument. It decides how a
// value is converted on assignment and how it prints: a Color is a Long that
// prints as &H80000008&, an Enum is a Long that prints as its number.
enum class PropType : std::uint8_t { Boolean, Integer, Long, Single, Double, String, Color, Enum, Variant, Object };

class OKIT_EXPORT Value {
 public:
  Value() = default;  // Empty
  Value(std::int16_t v) : data_(v) {}
  Value(std::int32_t v) : data_(v) {}
  Value(float v) : data_(v) {}
  Value(double v) : data_(v) {}
  Value(std::string v) : data_(std::move(v)) {}
  Value(const char* v) : data_(std::string(v)) {}
  Value(ObjectRef v) : data_(std::move(v)) {}
  static Value boolean(bool v) { Value r; r.data_ = Bool{v}; return r; }
  static Value null() { Value r; r.data_ = Null{}; return r; }

  VarType type() const { return static_cast<VarType>(data_.index()); }
  bool is_empty() const { return type() == VarType::Empty; }
  bool is_null() const { return type() == VarType::Null; }
  bool is_numeric() const;  // Integer, Long, Single, Double or Boolean

  // Payload access; the subtype must match.
  std::int16_t as_integer() const { return std::get<std::int16_t>(data_); }
  std::int32_t as_long() const { return std::get<std::int32_t>(data_); }
  float as_single() const { return std::get<float>(data_); }
  double as_double() const { return std::get<double>(data_); }
  const std::string& as_string() const { return std::get<std::string>(data_); }
  bool as_boolean() const { return std::get<Bool>(data_).value; }
  const ObjectRef& as_object() const { return std::get<ObjectRef>(data_); }

  // Classic conversions (CInt, CLng, CSng, CDbl, CBool, CStr). Empty converts
  // to 0, "" or False; Null raises Invalid use of Null (94); an object raises
  // Type mismatch unless it has a default member (handled by callers).
  std::int16_t to_integer() const;
  std::int32_t to_long() const;
  float to_single() const;
  double to_double() const;
  bool to_bool() const;
  std::string to_string() const;

  // Same subtype and same payload (objects compare by identity).
  bool operator==(const Value& other) const = default;

 private:
  struct Null {
    bool operator==(const Null&) const = default;
  };
  struct Bool {
    bool value;
    bool operator==(const Bool&) const = default;
  };
  std::variant<std::monostate, Null, std::int16_t, std::int32_t, float, double, std::string, Bool, ObjectRef> data_;
};

// Converts a value to a declared type with the classic rules (a Variant keeps
// the value as given). Throws RuntimeError.
OKIT_EXPORT Value coerce(const Value& value, PropType type);

// Banker's rounding of a floating-point number to the nearest integer, halves
// to the even neighbour (2.5 -> 2, 3.5 -> 4).
OKIT_EXPORT double round_half_even(double x);

// How a value prints in script output: True/False, "quoted" strings with ""
// doubling, colours as &H80000008&, numbers in the shortest form that reads
// back exactly (0.5, -3, 1E+20), Empty and Null by name. A control character
// other than tab never prints raw: it stands outside the quotes as Chr(N)
// (ChrW(N) for U+0080 to U+009F), joined by " & ": "ab" & Chr(7) & "c".
OKIT_EXPORT std::string format_value(const Value& value, PropType declared = PropType::Variant);

// A scenario literal: 12 (Integer), 40000 (Long), 1.5 / 1E+20 (Double),
// &H80000008& or 0x80000008 (Long, two's complement), True/False, "text"
// with "" doubling, Empty, Null, and strings as format_value writes them
// ("ab" & Chr(7) & "c"). nullopt when the token is none of these.
OKIT_EXPORT std::optional<Value> parse_literal(std::string_view token);

}  // namespace okit
