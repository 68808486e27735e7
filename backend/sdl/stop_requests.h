#pragma once
// Requests to stop that come from outside the program: SIGINT, SIGTERM and
// SIGHUP, and the display connection going away.
//
// A signal only writes its number into a pipe; the loop watches the pipe
// with the display connection and, when it holds a number, unloads every
// form the normal way (their Unload events run, their windows close) and
// ends. The loss of the display cannot wait for the loop: Xlib calls its
// handler on the failed read and the program cannot go on, so the handler
// runs the program's last words (the designer writes its recovery copy),
// prints one line and exits with status 1, without the exit handlers that
// would talk to the dead connection.

#include <csignal>
#include <functional>
#include <string>

namespace okit {

class StopRequests {
 public:
  // Catches the three signals until destroyed; SDL must not install its own
  // handlers (SDL_HINT_NO_SIGNAL_HANDLERS).
  StopRequests();
  ~StopRequests();
  StopRequests(const StopRequests&) = delete;
  StopRequests& operator=(const StopRequests&) = delete;

  // The end of the pipe to watch for readability.
  int fd() const;
  // The signal that asked to stop, 0 while none has.
  int take_signal();

  // What the program must do before it ends in an emergency (a signal, the
  // display lost): called once, first. What it returns, when not empty,
  // ends the one line the program prints ("...; unsaved changes are in X").
  static void set_last_words(std::function<std::string()> last_words);
  static std::string say_last_words();

 private:
  struct sigaction previous_[3] = {};
};

// Installs the handler for a lost display connection (Xlib's I/O error
// handler) for the rest of the process.
void handle_lost_display();

}  // namespace okit
