#include "api/application.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "api/install_controls.h"
#include "backend/headless/png_file.h"
#include "backend/sdl/sdl_backend.h"

namespace okit {

Application::Application() {
  install_controls(desktop_);
  desktop_.set_application(this);
}

// The forms go while the application can still hear what they report.
Application::~Application() {
  desktop_.unload_all();
  desktop_.set_application(nullptr);
}

std::shared_ptr<Form> Application::load(const std::string& path) { return Form::load(desktop_, path); }

std::shared_ptr<Form> Application::create_form(std::string name) { return desktop_.create_form(std::move(name)); }

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

void Application::on_emergency_stop(std::function<std::string()> handler) {
  on_emergency_stop_ = std::move(handler);
}

void Application::on_error(std::function<void(const RuntimeError&)> handler) { on_error_ = std::move(handler); }

void Application::on_property_changed(std::function<void(Element&, std::string_view)> handler) {
  on_property_changed_ = std::move(handler);
}

void Application::on_any_event(std::function<void(Element&, std::string_view, std::span<Value>)> handler) {
  on_any_event_ = std::move(handler);
}

void Application::control_event(Element& control, std::string_view event, std::span<Value> args) {
  if (on_any_event_) on_any_event_(control, event, args);
}

void Application::property_changed(Element& control, std::string_view property_name) {
  if (on_property_changed_) on_property_changed_(control, property_name);
}

void Application::unhandled_error(const RuntimeError& error) {
  if (on_error_)
    on_error_(error);
  else
    std::cerr << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
}

}  // namespace okit
