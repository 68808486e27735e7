#pragma once
// The program under measurement, started by the probe and ended by it.

#include <sys/types.h>

#include <string>
#include <vector>

class ChildProcess {
 public:
  // Starts `argv` with its standard output sent to standard error (the
  // probe's own output is its result line). Returns once the program has
  // been exec'd; throws std::runtime_error naming the program if it cannot be.
  explicit ChildProcess(const std::vector<std::string>& argv);
  // Ends the program if it still runs: SIGTERM, then SIGKILL after 3 s.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // Throws std::runtime_error with the exit status when the program ended.
  void check_running();

 private:
  std::string name_;
  pid_t pid_ = -1;
  bool ended_ = false;
};
