#pragma once
// What the probe reads about a running program from /proc: its memory, the
// CPU time and wakeups of all its threads, and the files it maps.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

struct MemoryUse {
  std::int64_t rss_kib = 0;
  std::int64_t pss_kib = 0;
};

// Resident and proportional set size of the whole process
// (/proc/PID/smaps_rollup). Throws std::runtime_error naming the file when it
// cannot be read.
MemoryUse read_memory_use(pid_t pid);

// CPU time and context switches summed over every thread, as counters that
// only grow: the difference of two samples is what happened in between.
struct ThreadCounters {
  std::int64_t cpu_ns = 0;
  std::int64_t context_switches = 0;  // voluntary + involuntary: each one a wakeup
};
ThreadCounters read_thread_counters(pid_t pid);

// The program file and every shared object the process maps, each once.
std::vector<std::string> read_mapped_code(pid_t pid);
