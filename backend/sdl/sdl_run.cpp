#include "backend/sdl/sdl_run.h"

#include <SDL.h>

#include <cstdlib>

#include "backend/sdl/sdl_backend.h"
#include "host/form_loader.h"
#include "host/runtime_error.h"

namespace okit {

namespace {

// What the running form's controls report. The caption control's close
// button asks the program to close its window; run-time errors nobody caught
// are shown on the error stream instead of ending the program.
class WindowedApplication final : public ApplicationEvents {
 public:
  explicit WindowedApplication(std::ostream& err) : err_(err) {}
  void control_event(Element& control, std::string_view event, std::span<Value>) override {
    if (event != "CloseWindow" || !control.form()) return;
    // The control is still inside its own handler; the form goes once the
    // handler has returned.
    auto form = std::static_pointer_cast<Form>(control.form()->shared_from_this());
    Desktop::current().post([form] {
      if (form->alive()) Desktop::current().unload(*form);
    });
  }
  void property_changed(Element&, std::string_view) override {}
  void unhandled_error(const RuntimeError& error) override {
    err_ << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
  }

 private:
  std::ostream& err_;
};

bool display_available() {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return false;
  // Windows must not pass a click to the control below before activating.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Window surfaces stay plain images that take only the rectangles that
  // changed. Backed by a texture, every update would draw and swap the whole
  // window through OpenGL, in software on machines without a GPU. The
  // environment variable SDL_FRAMEBUFFER_ACCELERATION still decides first.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  return SDL_Init(SDL_INIT_VIDEO) == 0;
}

}  // namespace

std::optional<int> run_form_in_windows(const std::string& form_path, int scale, std::ostream& err) {
  if (!display_available()) return std::nullopt;
  auto& desktop = Desktop::current();
  WindowedApplication application(err);
  desktop.reset();
  desktop.set_application(&application);
  int status = 0;
  auto doc = read_form_file(form_path);
  auto form = doc ? load_form(*doc, form_path) : Expected<std::shared_ptr<Form>>(doc.error());
  if (!form) {
    err << form.error().to_string() << '\n';
    status = 2;
  } else {
    SdlBackend backend(desktop, scale);
    backend.run();
  }
  desktop.reset();
  desktop.set_application(nullptr);
  SDL_Quit();
  return status;
}

}  // namespace okit
