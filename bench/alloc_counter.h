#pragma once
// Counts heap allocations made through operator new on the calling thread,
// so a benchmark can report how many allocations one operation costs. The
// replacement operators live in alloc_counter.cpp and cover the whole
// process, the shared library included.

#include <cstdint>

namespace okit::bench {

// Allocations made on this thread since the program started.
std::uint64_t allocations_so_far();

}  // namespace okit::bench
