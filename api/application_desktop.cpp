// Application on the desktop: real windows through SDL, PNG files through
// the headless backend.

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "api/application.h"
#include "backend/headless/png_file.h"
#include "backend/sdl/sdl_backend.h"

namespace okit {

void Application::control_event(Element& control, std::string_view event, std::span<Value> args) {
  if (on_any_event_) on_any_event_(control, event, args);
}

bool Application::run(int scale) {
  if (scale < 1 || scale > 16) throw RuntimeError(err::InvalidPropertyValue);
  SdlVideo video;
  if (!video.available()) return false;
  SdlBackend backend(desktop_, scale);
  // NO_AT_BRIDGE=1 is how the desktop's toolkits are told to stay off the
  // accessibility bus.
  if (const char* off = std::getenv("NO_AT_BRIDGE"); !off || std::string_view(off) != "1")
    backend.publish_accessibility(program_invocation_short_name);
  running_ = &backend;
  struct Stopped {
    SdlBackend*& running;
    ~Stopped() {
      running = nullptr;
      StopRequests::set_last_words(nullptr);
    }
  } stopped{running_};
  StopRequests::set_last_words(on_emergency_stop_);
  backend.run();
  stop_signal_ = backend.stop_signal();
  stop_note_ = backend.stop_note();
  return true;
}

void Application::do_events() {
  if (running_)
    running_->handle_pending();
  else
    desktop_.do_events();
}

void Application::render(Form& form, const std::string& png_path, int scale) {
  if (scale < 1 || scale > 16) throw RuntimeError(err::InvalidPropertyValue);
  Compositor frames_only;
  if (auto written = write_form_png(frames_only, form, png_path, scale); !written) throw FormFileError(written.error());
}

}  // namespace okit
