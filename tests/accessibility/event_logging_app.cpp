// A program built on Application that runs one form in real windows and
// prints every event its controls raise, so the tests can see an action or
// an edit reach the program's handlers. Ended by a signal, it exits with
// 128 + the signal's number, as a program should.
//
// usage: event_logging_app FORM.frm

#include <cstdio>

#include "api/opalinekit.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: event_logging_app FORM.frm\n");
    return 2;
  }
  okit::Application app;
  app.on_any_event([](okit::Element& control, std::string_view event, std::span<okit::Value>) {
    std::printf("event %s.%.*s\n", control.name().c_str(), static_cast<int>(event.size()), event.data());
    std::fflush(stdout);
  });
  app.load(argv[1]);
  if (!app.run()) return 1;
  return app.stop_signal() ? 128 + app.stop_signal() : 0;
}
