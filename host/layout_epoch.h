#pragma once
// A desktop-wide count of the changes to anything that decides where an
// element lies on the screen or where the cursor is: bounds, scale modes, the
// element tree and the cursor position. An answer computed from those alone
// (the cursor test controls run on every timer tick) stays true while the
// count stands still, so it can be kept instead of computed again.

#include <cstdint>

namespace okit {

class LayoutEpoch {
 public:
  static std::uint64_t now() { return count_; }
  static void advance() { ++count_; }

 private:
  // Starts above 0 so that 0 can mean "never computed".
  static inline std::uint64_t count_ = 1;
};

}  // namespace okit
