#pragma once
// Application: what a program using OpalineKit creates first. It owns a
// desktop, the forms it loads live there, and it is that desktop's
// application: it receives what the controls report beyond their typed
// handlers (run-time errors nobody caught, PropertyChanged, and every event,
// late-bound, for scripting hosts), and it runs the message loop, in real
// windows (run) or headless (render).
//
//   okit::Application app;
//   auto form = app.load("settings.frm");
//   auto& ok = form->control<okit::cmd_Opaline_Button>("cmdOK");
//   ok.on_Click([&] { form->Unload(); });
//   app.run();

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "host/desktop.h"
#include "host/export.h"
#include "host/runtime_error.h"

namespace okit {

class SdlBackend;

class OKIT_EXPORT Application final : private ApplicationEvents {
 public:
  // Starts with an empty desktop of its own.
  Application();
  // Unloads every form that is left.
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Shows the loaded forms in real windows and handles input and timers
  // until the last form is unloaded; `scale` (1 to 16) enlarges every pixel.
  // Returns false at once, running nothing, when there is no display. In a
  // web page (the web build) it shows the forms and never returns: the
  // handlers go on running from the page's events (api/web/).
  // SIGINT, SIGTERM and SIGHUP end it through the same unload path (see
  // stop_signal()); losing the display ends the process with status 1.
  bool run(int scale = 1);
  // The signal that ended the last run(), 0 when its forms closed by
  // themselves. A program exits with 128 + this number, as shells expect.
  int stop_signal() const { return stop_signal_; }
  // What to do first when a signal or the loss of the display ends run():
  // write unsaved work somewhere safe. It must not wait for the user; when
  // the display is lost it runs just before the process ends. What it
  // returns, when not empty, ends the one line printed for a lost display
  // and is kept as stop_note() after a signal.
  void on_emergency_stop(std::function<std::string()> handler);
  const std::string& stop_note() const { return stop_note_; }
  // Reads a form file and loads it onto the application's desktop, shown and
  // active (see Form::load).
  std::shared_ptr<Form> load(const std::string& path);
  // A new empty form on the application's desktop.
  std::shared_ptr<Form> create_form(std::string name);
  Desktop& desktop() { return desktop_; }
  // Handles what is waiting without sleeping: posted messages, and while
  // run() is active also input that arrived and timers that are due.
  void do_events();
  // Draws the form headless into a PNG file, each pixel `scale` x `scale`.
  // Throws FormFileError when the file cannot be written.
  void render(Form& form, const std::string& png_path, int scale = 1);

  // Run-time errors that a handler raised and nothing caught. Without a
  // handler they are written to standard error as
  // "okit: run-time error N: text".
  void on_error(std::function<void(const RuntimeError& error)> handler);
  // A control reported that one of its saved properties changed.
  void on_property_changed(std::function<void(Element& control, std::string_view property)> handler);
  // Every event of every control, after its typed handlers, with its
  // arguments by reference.
  void on_any_event(std::function<void(Element& control, std::string_view event, std::span<Value> args)> handler);

 private:
  void control_event(Element& control, std::string_view event, std::span<Value> args) override;
  void property_changed(Element& control, std::string_view property_name) override;
  void unhandled_error(const RuntimeError& error) override;

  std::function<void(const RuntimeError&)> on_error_;
  std::function<void(Element&, std::string_view)> on_property_changed_;
  std::function<void(Element&, std::string_view, std::span<Value>)> on_any_event_;
  Desktop desktop_;
  SdlBackend* running_ = nullptr;
  int stop_signal_ = 0;
  std::function<std::string()> on_emergency_stop_;
  std::string stop_note_;
};

}  // namespace okit
