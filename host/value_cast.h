#pragma once
// Between a Value and the C++ types that property routines and typed event
// handlers take (bool, int16_t, int32_t, float, double, std::string, Value,
// ObjectRef), with the classic conversion rules of Value. Late-bound
// property tables and typed events both convert through these two, so a
// property and an event argument of one type always convert alike.

#include <cstdint>
#include <string>
#include <type_traits>

#include "host/runtime_error.h"
#include "host/value.h"

namespace okit {

template <typename T>
Value to_value(const T& v) {
  using U = std::decay_t<T>;
  if constexpr (std::is_same_v<U, bool>) return Value::boolean(v);
  else if constexpr (std::is_same_v<U, Value>) return v;
  else return Value(v);
}

template <typename T>
T from_value(const Value& v) {
  if constexpr (std::is_same_v<T, bool>) return v.to_bool();
  else if constexpr (std::is_same_v<T, std::int16_t>) return v.to_integer();
  else if constexpr (std::is_same_v<T, std::int32_t>) return v.to_long();
  else if constexpr (std::is_same_v<T, float>) return v.to_single();
  else if constexpr (std::is_same_v<T, double>) return v.to_double();
  else if constexpr (std::is_same_v<T, std::string>) return v.to_string();
  else if constexpr (std::is_same_v<T, Value>) return v;
  else if constexpr (std::is_same_v<T, ObjectRef>) {
    if (v.type() != VarType::Object) throw RuntimeError(err::TypeMismatch);
    return v.as_object();
  } else static_assert(sizeof(T) == 0, "no conversion from Value to this type");
}

}  // namespace okit
