#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace {

std::string describe_status(int status) {
  if (WIFSIGNALED(status)) return "was killed by signal " + std::to_string(WTERMSIG(status));
  return "exited with status " + std::to_string(WEXITSTATUS(status));
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv) : name_(argv.at(0)) {
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  // The child writes errno here if exec fails; a successful exec closes it.
  int exec_report[2];
  if (pipe2(exec_report, O_CLOEXEC) != 0) throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
  if (pid_ == 0) {
    close(exec_report[0]);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(args[0], args.data());
    const int error = errno;
    [[maybe_unused]] auto written = write(exec_report[1], &error, sizeof error);
    _exit(127);
  }
  close(exec_report[1]);
  int error = 0;
  const auto got = read(exec_report[0], &error, sizeof error);
  close(exec_report[0]);
  if (got == sizeof error) {
    waitpid(pid_, nullptr, 0);
    ended_ = true;
    throw std::runtime_error("cannot run " + name_ + ": " + std::strerror(error));
  }
}

ChildProcess::~ChildProcess() {
  if (ended_) return;
  kill(pid_, SIGTERM);
  for (int tries = 0; tries < 300; ++tries) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

void ChildProcess::check_running() {
  if (ended_) throw std::runtime_error(name_ + " has ended");
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) != pid_) return;
  ended_ = true;
  throw std::runtime_error(name_ + " " + describe_status(status));
}
