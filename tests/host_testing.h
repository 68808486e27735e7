#pragma once
// Test helpers for the host model: the classic number of the RuntimeError an
// action raises (0 when none), and readable values in assertion messages.

#include <ostream>

#include "host/runtime_error.h"
#include "host/value.h"

namespace okit {

// gtest finds this by argument-dependent lookup, so it lives in okit itself.
inline void PrintTo(const Value& value, std::ostream* out) { *out << format_value(value); }

namespace testing {

template <typename Action>
int raised_error(Action&& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

}  // namespace testing
}  // namespace okit
