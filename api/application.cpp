#include "api/application.h"

#include <iostream>

#include "api/install_controls.h"

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
