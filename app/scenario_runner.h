#pragma once
// Runs a scenario on the headless backend and prints what happens: events
// the controls raise, PropertyChanged calls, property reads and run-time
// errors, in the order they happen.

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/scenario_parser.h"
#include "backend/headless/headless_backend.h"
#include "host/desktop.h"

namespace okit {

class ScenarioRunner : public ApplicationEvents {
 public:
  // `base_dir` is where relative file names in the script are resolved.
  ScenarioRunner(std::ostream& out, std::ostream& err, std::string base_dir);
  ~ScenarioRunner() override;

  // Runs the whole script. Exit status: 0 success, 1 an error line was
  // printed, 2 a file could not be read or parsed.
  int run(const Script& script);

  // What the script runs on, for tests that check it between commands.
  Desktop& desktop() { return desktop_; }
  Compositor& compositor() { return backend_.compositor(); }

  // ApplicationEvents
  void control_event(Element& control, std::string_view event, std::span<Value> args) override;
  void property_changed(Element& control, std::string_view property_name) override;
  void unhandled_error(const RuntimeError& error) override;

 private:
  struct Handler {
    std::string object;  // "Button1" or "Form1.Button1"
    std::string event;
    std::shared_ptr<const ScenarioCommand> command;  // or, for `arg`:
    std::string arg_name;
    Value arg_value;
  };

  void execute(const ScenarioCommand& c);
  void execute_checked(const ScenarioCommand& c);
  bool pump_next();  // runs the next command of the script (the move loop's input)

  // Commands, grouped by what they touch.
  void cmd_form(const ScenarioCommand& c);
  void cmd_place(const ScenarioCommand& c);
  void cmd_load(const ScenarioCommand& c);
  void cmd_save(const ScenarioCommand& c);
  void cmd_unload(const ScenarioCommand& c);
  void cmd_resize(const ScenarioCommand& c);
  void cmd_move(const ScenarioCommand& c);
  void cmd_set(const ScenarioCommand& c);
  void cmd_get(const ScenarioCommand& c);
  void cmd_elem(const ScenarioCommand& c);
  void cmd_on(const ScenarioCommand& c);
  void cmd_off(const ScenarioCommand& c);
  void cmd_mouse(const ScenarioCommand& c);
  void cmd_click(const ScenarioCommand& c, bool twice);
  void cmd_key(const ScenarioCommand& c);
  void cmd_type(const ScenarioCommand& c);
  void cmd_input_method(const ScenarioCommand& c);  // compose, commit
  void cmd_focus(const ScenarioCommand& c);
  void cmd_activate(const ScenarioCommand& c);
  void cmd_pixel(const ScenarioCommand& c);
  void cmd_repaint(const ScenarioCommand& c);
  void cmd_snapshot(const ScenarioCommand& c);

  // Name lookup: controls of the current form first, then of the other
  // forms in creation order; "FORM.CTRL" names a control of one form.
  Element* find_control(std::string_view path) const;
  Element* find_object(std::string_view path) const;  // a control or a form
  Form* find_form(std::string_view name) const;
  Form* current_form() const;
  std::string resolve(const std::string& file) const;
  void print_error(const RuntimeError& error);
  bool handler_matches(const Handler& h, Element& control, std::string_view event) const;

  std::ostream& out_;
  std::ostream& err_;
  std::string base_dir_;
  Desktop desktop_;
  HeadlessBackend backend_;
  std::weak_ptr<Dispatch> current_;
  std::vector<Handler> handlers_;
  const Script* script_ = nullptr;
  std::size_t next_ = 0;
  bool printed_error_ = false;
  int fatal_status_ = 0;  // set when a file cannot be read: the script stops
};

// Reads and runs a scenario file ("-" for standard input).
int run_scenario_file(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace okit
