#include "process_stats.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

std::string proc_path(pid_t pid, const std::string& rest) { return "/proc/" + std::to_string(pid) + "/" + rest; }

std::ifstream open_or_throw(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  return in;
}

// The number after "Name:" on the line that starts with it, or 0.
std::int64_t field_value(const std::string& path, const std::string& name) {
  auto in = open_or_throw(path);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(name, 0) == 0) return std::stoll(line.substr(name.size()));
  return 0;
}

bool is_shared_object(const std::string& path) {
  const auto name = std::filesystem::path(path).filename().string();
  const auto at = name.find(".so");
  return at != std::string::npos && (at + 3 == name.size() || name[at + 3] == '.');
}

}  // namespace

MemoryUse read_memory_use(pid_t pid) {
  const auto path = proc_path(pid, "smaps_rollup");
  return {field_value(path, "Rss:"), field_value(path, "Pss:")};
}

ThreadCounters read_thread_counters(pid_t pid) {
  ThreadCounters total;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(proc_path(pid, "task"), error)) {
    // A thread may end between listing and reading: it then counts nothing.
    std::ifstream schedstat(task.path() / "schedstat");
    std::int64_t on_cpu_ns = 0;
    if (!(schedstat >> on_cpu_ns)) continue;
    total.cpu_ns += on_cpu_ns;
    const auto status = (task.path() / "status").string();
    try {
      total.context_switches +=
          field_value(status, "voluntary_ctxt_switches:") + field_value(status, "nonvoluntary_ctxt_switches:");
    } catch (const std::runtime_error&) {
    }
  }
  if (error) throw std::runtime_error("cannot list " + proc_path(pid, "task") + ": " + error.message());
  return total;
}

std::vector<std::string> read_mapped_code(pid_t pid) {
  std::set<std::string> files;
  files.insert(std::filesystem::read_symlink(proc_path(pid, "exe")).string());
  auto maps = open_or_throw(proc_path(pid, "maps"));
  std::string line;
  while (std::getline(maps, line)) {
    // address perms offset device inode path
    std::istringstream fields(line);
    std::string address, perms, offset, device, inode, path;
    fields >> address >> perms >> offset >> device >> inode;
    std::getline(fields >> std::ws, path);
    if (!path.empty() && path.front() == '/' && is_shared_object(path)) files.insert(path);
  }
  return {files.begin(), files.end()};
}
