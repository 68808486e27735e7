#include "app/scenario_runner.h"

#include <iostream>
#include <sstream>

#include "api/install_controls.h"
#include "host/user_control.h"
#include "host/whole_file.h"

namespace okit {

ScenarioRunner::ScenarioRunner(std::ostream& out, std::ostream& err, std::string base_dir)
    : out_(out), err_(err), base_dir_(std::move(base_dir)), backend_(desktop_) {
  install_controls(desktop_);
  desktop_.set_application(this);
  backend_.set_pump([this] { return pump_next(); });
}

// The forms go while the runner can still print what they report.
ScenarioRunner::~ScenarioRunner() {
  desktop_.unload_all();
  desktop_.set_application(nullptr);
}

int ScenarioRunner::run(const Script& script) {
  script_ = &script;
  next_ = 0;
  while (pump_next()) {
  }
  script_ = nullptr;
  if (fatal_status_ != 0) return fatal_status_;
  return printed_error_ ? 1 : 0;
}

bool ScenarioRunner::pump_next() {
  if (!script_ || fatal_status_ != 0 || next_ >= script_->commands.size()) return false;
  execute_checked(script_->commands[next_++]);
  return true;
}

void ScenarioRunner::execute_checked(const ScenarioCommand& c) {
  try {
    execute(c);
  } catch (const RuntimeError& error) {
    print_error(error);
  }
  desktop_.do_events();
}

void ScenarioRunner::execute(const ScenarioCommand& c) {
  const std::string& v = c.verb;
  if (v == "echo") out_ << c.rest << '\n';
  else if (v == "form") cmd_form(c);
  else if (v == "place") cmd_place(c);
  else if (v == "load") cmd_load(c);
  else if (v == "save") cmd_save(c);
  else if (v == "unload") cmd_unload(c);
  else if (v == "resize") cmd_resize(c);
  else if (v == "move") cmd_move(c);
  else if (v == "set") cmd_set(c);
  else if (v == "get") cmd_get(c);
  else if (v == "elem") cmd_elem(c);
  else if (v == "on") cmd_on(c);
  else if (v == "off") cmd_off(c);
  else if (v == "mouse") cmd_mouse(c);
  else if (v == "click" || v == "dblclick") cmd_click(c, v == "dblclick");
  else if (v == "key" || v == "keydown" || v == "keyup") cmd_key(c);
  else if (v == "type") cmd_type(c);
  else if (v == "compose" || v == "commit") cmd_input_method(c);
  else if (v == "focus") cmd_focus(c);
  else if (v == "activate") cmd_activate(c);
  else if (v == "pixel") cmd_pixel(c);
  else if (v == "repaint") cmd_repaint(c);
  else if (v == "snapshot") cmd_snapshot(c);
  else if (v == "tick") desktop_.advance(std::stod(c.args[0]));
  else if (v == "timer-min") desktop_.timers().set_minimum_period(std::stod(c.args[0]));
}

void ScenarioRunner::print_error(const RuntimeError& error) {
  out_ << "error " << error.number() << ' ' << error.what() << '\n';
  printed_error_ = true;
}

// ---- What the application sees ---------------------------------------------------

namespace {

// The by-reference argument names of the classic events.
std::vector<std::string_view> argument_names(std::string_view event) {
  if (equals_ignore_case(event, "MouseDown") || equals_ignore_case(event, "MouseMove") ||
      equals_ignore_case(event, "MouseUp"))
    return {"Button", "Shift", "X", "Y"};
  if (equals_ignore_case(event, "KeyDown") || equals_ignore_case(event, "KeyUp")) return {"KeyCode", "Shift"};
  if (equals_ignore_case(event, "KeyPress")) return {"KeyAscii"};
  return {};
}

// Converts a script value to the subtype an event argument already has.
Value as_argument(const Value& value, const Value& current) {
  switch (current.type()) {
    case VarType::Integer: return value.to_integer();
    case VarType::Long: return value.to_long();
    case VarType::Single: return value.to_single();
    case VarType::Double: return value.to_double();
    case VarType::Boolean: return Value::boolean(value.to_bool());
    case VarType::String: return value.to_string();
    default: return value;
  }
}

}  // namespace

bool ScenarioRunner::handler_matches(const Handler& h, Element& control, std::string_view event) const {
  if (!equals_ignore_case(h.event, event)) return false;
  if (equals_ignore_case(h.object, control.name())) return true;
  const Form* form = control.form();
  return form && equals_ignore_case(h.object, form->name() + "." + control.name());
}

void ScenarioRunner::control_event(Element& control, std::string_view event, std::span<Value> args) {
  const std::string name = control.name();
  const auto handlers = handlers_;  // a handler may install or remove handlers
  for (const Handler& h : handlers) {
    if (!handler_matches(h, control, event)) continue;
    if (h.command) {
      execute_checked(*h.command);
      continue;
    }
    const auto names = argument_names(event);
    for (std::size_t i = 0; i < names.size() && i < args.size(); ++i) {
      if (!equals_ignore_case(names[i], h.arg_name)) continue;
      try {
        args[i] = as_argument(h.arg_value, args[i]);
      } catch (const RuntimeError& error) {
        print_error(error);
      }
    }
  }
  out_ << "event " << name << '.' << event;
  for (const Value& arg : args) out_ << ' ' << format_value(arg);
  out_ << '\n';
}

void ScenarioRunner::property_changed(Element& control, std::string_view property_name) {
  out_ << "changed " << control.name() << '.' << property_name << '\n';
}

void ScenarioRunner::unhandled_error(const RuntimeError& error) { print_error(error); }

// ---- Names ----------------------------------------------------------------------------

Form* ScenarioRunner::current_form() const { return living_form(current_); }

Form* ScenarioRunner::find_form(std::string_view name) const {
  return desktop_.find_form(name).get();
}

Element* ScenarioRunner::find_control(std::string_view path) const {
  if (const auto dot = path.find('.'); dot != std::string_view::npos) {
    Form* form = find_form(path.substr(0, dot));
    return form ? form->find_control(path.substr(dot + 1)).get() : nullptr;
  }
  if (Form* form = current_form())
    if (auto control = form->find_control(path)) return control.get();
  for (const auto& form : desktop_.forms())
    if (auto control = form->find_control(path)) return control.get();
  return nullptr;
}

Element* ScenarioRunner::find_object(std::string_view path) const {
  if (Element* control = find_control(path)) return control;
  return find_form(path);
}

std::string ScenarioRunner::resolve(const std::string& file) const {
  if (file.empty() || file.front() == '/' || base_dir_.empty()) return file;
  return base_dir_ + "/" + file;
}

// ---- Entry point ----------------------------------------------------------------------

int run_scenario_file(const std::string& path, std::ostream& out, std::ostream& err) {
  std::string text;
  std::string base_dir = ".";
  if (path == "-") {
    std::ostringstream buffer;
    buffer << std::cin.rdbuf();
    text = buffer.str();
  } else {
    const auto file = read_whole_file(path);
    if (!file) {
      err << path << ":0: cannot read the file\n";
      return 2;
    }
    text = *file;
    if (const auto slash = path.rfind('/'); slash != std::string::npos) base_dir = path.substr(0, slash);
  }
  auto script = parse_script(text, path == "-" ? "<stdin>" : path);
  if (!script) {
    err << script.error().to_string() << '\n';
    return 2;
  }
  ScenarioRunner runner(out, err, base_dir);
  return runner.run(*script);
}

}  // namespace okit
