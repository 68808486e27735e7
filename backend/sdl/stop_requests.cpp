#include "backend/sdl/stop_requests.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace okit {
namespace {

constexpr int kSignals[3] = {SIGINT, SIGTERM, SIGHUP};

// Process-wide by nature: a signal handler can reach nothing else.
int pipe_ends[2] = {-1, -1};
std::function<std::string()>& last_words() {
  static std::function<std::string()> words;
  return words;
}

void on_signal(int number) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(number);
  [[maybe_unused]] const ssize_t written = write(pipe_ends[1], &byte, 1);
  errno = saved;
}

int on_lost_display(Display*) {
  const std::string note = StopRequests::say_last_words();
  std::string line = "okit: the display connection was lost";
  if (!note.empty()) line.append("; ").append(note);
  line += '\n';
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
  _exit(1);
}

}  // namespace

StopRequests::StopRequests() {
  if (pipe_ends[0] < 0 && pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0) pipe_ends[0] = pipe_ends[1] = -1;
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous_[i]);
}

StopRequests::~StopRequests() {
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
}

int StopRequests::fd() const { return pipe_ends[0]; }

int StopRequests::take_signal() {
  unsigned char byte = 0;
  return read(pipe_ends[0], &byte, 1) == 1 ? byte : 0;
}

void StopRequests::set_last_words(std::function<std::string()> words) { last_words() = std::move(words); }

std::string StopRequests::say_last_words() {
  auto words = std::exchange(last_words(), nullptr);
  return words ? words() : std::string();
}

void handle_lost_display() { XSetIOErrorHandler(on_lost_display); }

}  // namespace okit
