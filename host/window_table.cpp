#include "host/window_table.h"

#include <atomic>

namespace okit {

// Handles start at a value that looks like a handle, not like a count, and
// step by 4 as handles classically do. Elements may be made on any thread
// that owns a desktop, hence the atomic.
std::int32_t allocate_window_number() {
  static std::atomic<std::int32_t> next{0x00010010};
  return next.fetch_add(4, std::memory_order_relaxed);
}

}  // namespace okit
