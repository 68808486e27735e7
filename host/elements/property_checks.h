#pragma once
// Range checks for element property assignments. A value outside a
// property's range is refused with Invalid property value (380) and the
// property keeps its previous value.

#include <type_traits>

#include "host/runtime_error.h"

namespace okit {

template <typename T>
T checked_range(T value, std::type_identity_t<T> first, std::type_identity_t<T> last) {
  if (value < first || value > last) throw RuntimeError(err::InvalidPropertyValue);
  return value;
}

template <typename T>
T checked_at_least(T value, std::type_identity_t<T> first) {
  if (value < first) throw RuntimeError(err::InvalidPropertyValue);
  return value;
}

}  // namespace okit
