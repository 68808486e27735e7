// Running designer scripts: each command calls one Designer operation and
// prints what it did, in the style of the scenario language.

#include "app/designer/design_script.h"

#include <cmath>
#include <filesystem>

#include "app/designer/design_window.h"
#include "app/designer/property_grid.h"
#include "app/designer/recovery.h"
#include "app/scenario_parser.h"
#include "app/usage.h"
#include "host/picture.h"
#include "host/whole_file.h"

namespace okit {

namespace {

class DesignScriptRunner {
 public:
  DesignScriptRunner(Designer& designer, std::ostream& out, std::ostream& err)
      : d_(designer), out_(out), err_(err) {}

  int run(const std::vector<DesignCommand>& commands) {
    for (const auto& c : commands) {
      try {
        execute(c);
      } catch (const RuntimeError& error) {
        out_ << "error " << error.number() << ' ' << error.what() << '\n';
        failed_ = true;
      }
    }
    return failed_ ? 1 : 0;
  }

 private:
  void execute(const DesignCommand& c) {
    const std::string& v = c.verb;
    const auto& a = c.args;
    if (v == "place") place(a);
    else if (v == "select") select(a);
    else if (v == "deselect") deselect(a);
    else if (v == "move") move(a);
    else if (v == "nudge") d_.nudge(*parse_direction(a[0]), a.size() == 2), print_positions("moved");
    else if (v == "resize") d_.resize(std::stoi(a[0]), std::stoi(a[1])), print_sizes();
    else if (v == "delete") remove();
    else if (v == "nest") nest(a[0]);
    else if (v == "set") set(a[0], *parse_literal(a[1]));
    else if (v == "get") print_property(a[0]);
    else if (v == "properties") print_rows(a.empty() ? default_object() : a[0]);
    else if (v == "choices") print_choices(a[0]);
    else if (v == "enter") enter(a[0], c.entered);
    else if (v == "grid") grid(a[0]);
    else if (v == "undo") out_ << (d_.undo() ? "undone" : "nothing to undo") << '\n';
    else if (v == "redo") out_ << (d_.redo() ? "redone" : "nothing to redo") << '\n';
    else if (v == "save") save(a.empty() ? "" : unquote(a[0]));
    else if (v == "title") out_ << "title " << d_.title() << '\n';
  }

  void place(std::vector<std::string> a) {
    std::string container;
    if (a.size() >= 2 && equals_ignore_case(a[a.size() - 2], "in")) {
      container = a.back();
      a.resize(a.size() - 2);
    }
    const bool named = a.size() == 4 || a.size() == 6;
    const std::size_t at = named ? 2 : 1;
    std::optional<Size> size;
    if (a.size() == at + 4) size = Size{std::stoi(a[at + 2]), std::stoi(a[at + 3])};
    const std::string name =
        d_.place(a[0], named ? a[1] : "", std::stoi(a[at]), std::stoi(a[at + 1]), size, container);
    out_ << "placed " << name << (container.empty() ? "" : " in " + container) << '\n';
  }

  void move(const std::vector<std::string>& a) {
    if (a.size() == 4) {
      d_.move_into(std::stoi(a[0]), std::stoi(a[1]), a[3]);
      for (const auto& name : d_.selection()) out_ << "nested " << name << " in " << a[3] << '\n';
    } else {
      d_.move(std::stoi(a[0]), std::stoi(a[1]));
    }
    print_positions("moved");
  }

  void select(const std::vector<std::string>& names) {
    if (names.size() == 1 && names[0] == "none") {
      d_.clear_selection();
    } else {
      for (std::size_t i = 0; i < names.size(); ++i) d_.select(names[i], i > 0);
    }
    print_selection();
  }

  void deselect(const std::vector<std::string>& names) {
    for (const auto& name : names) d_.deselect(name);
    print_selection();
  }

  void print_selection() {
    out_ << "selected";
    if (d_.selection().empty()) out_ << " none";
    for (const auto& name : d_.selection()) out_ << ' ' << name;
    out_ << '\n';
  }

  void remove() {
    const auto names = d_.selection();
    d_.delete_selection();
    out_ << "deleted";
    for (const auto& name : names) out_ << ' ' << name;
    out_ << '\n';
  }

  void nest(const std::string& container) {
    d_.nest(container);
    for (const auto& name : d_.selection()) out_ << "nested " << name << " in " << container << '\n';
    print_positions("moved");
  }

  static int pixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

  void print_positions(const char* verb) {
    for (const auto& name : d_.selection()) {
      auto& e = *d_.form().find_control(name);
      out_ << verb << ' ' << name << " to " << pixels(e.left_twips()) << ' ' << pixels(e.top_twips()) << '\n';
    }
  }

  void print_sizes() {
    for (const auto& name : d_.selection()) {
      auto& e = *d_.form().find_control(name);
      out_ << "resized " << name << " to " << pixels(e.width_twips()) << ' ' << pixels(e.height_twips()) << '\n';
    }
  }

  void set(const std::string& path, const Value& value) {
    const auto dot = path.rfind('.');
    d_.set(path.substr(0, dot), path.substr(dot + 1), value);
    print_property(path);
  }

  // NAME.PROP = value, by the property's declared type (pictures by the
  // skin image they show), as scenarios print it.
  void print_property(const std::string& path) {
    const auto dot = path.rfind('.');
    const std::string object = path.substr(0, dot), property = path.substr(dot + 1);
    const Value value = d_.get(object, property);
    const Element& owner = equals_ignore_case(object, d_.form().name()) ? d_.form() : *d_.form().find_control(object);
    const PropertyInfo* info = owner.class_info().find_property(property);
    const PropType type = info ? info->type : PropType::Variant;
    out_ << path << " = " << (type == PropType::Object ? describe_picture(value) : format_value(value, type)) << '\n';
  }

  // The grid shows the selected control, or the form when none or several
  // are selected.
  std::string default_object() const {
    return d_.selection().size() == 1 ? d_.selection().front() : d_.form().name();
  }

  void print_rows(const std::string& object) {
    const std::string name = d_.object(object).name();
    for (const auto& row : property_rows(d_.object(object)))
      out_ << name << '.' << row.name << " [" << editor_word(row.editor) << ']'
           << (row.shown.empty() ? "" : " " + row.shown) << '\n';
  }

  void print_choices(const std::string& path) {
    const auto dot = path.rfind('.');
    for (const auto& choice : property_row(d_.object(path.substr(0, dot)), path.substr(dot + 1)).choices)
      out_ << "choice " << choice << '\n';
  }

  // A value the grid cannot take is a message to the user, not a stop.
  void enter(const std::string& path, const std::string& entered) {
    const auto dot = path.rfind('.');
    try {
      d_.enter(path.substr(0, dot), path.substr(dot + 1), entered);
    } catch (const RuntimeError& error) {
      out_ << "message " << grid_message(path, error) << '\n';
      failed_ = true;
      return;
    }
    if (equals_ignore_case(path.substr(dot + 1), "Name"))
      out_ << "renamed " << path.substr(0, dot) << " to " << entered << '\n';
    else
      print_property(path);
  }

  void grid(const std::string& setting) {
    if (setting == "off" || setting == "on") {
      d_.set_snap(setting == "on");
    } else {
      d_.set_grid(std::stoi(setting));
      d_.set_snap(true);
    }
    out_ << "grid " << (d_.snap() ? std::to_string(d_.grid()) : "off") << '\n';
  }

  void save(const std::string& path) {
    if (auto saved = d_.save(path); !saved) {
      err_ << saved.error().to_string() << '\n';
      failed_ = true;
      return;
    }
    out_ << "saved " << d_.path() << '\n';
  }

  Designer& d_;
  std::ostream& out_;
  std::ostream& err_;
  bool failed_ = false;
};

}  // namespace

int run_design_script(Designer& designer, const std::vector<DesignCommand>& commands, std::ostream& out,
                      std::ostream& err) {
  return DesignScriptRunner(designer, out, err).run(commands);
}

int design_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string form_path, script_path;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--script" && i + 1 < args.size()) script_path = args[++i];
    else if (form_path.empty() && !args[i].empty() && args[i][0] != '-') form_path = args[i];
    else return short_usage(err, "design");
  }
  if (form_path.empty()) return short_usage(err, "design");
  std::vector<DesignCommand> commands;
  if (!script_path.empty()) {
    const auto text = read_whole_file(script_path);
    if (!text) {
      err << script_path << ":0: cannot read the file\n";
      return 2;
    }
    auto parsed = parse_design_script(*text, script_path);
    if (!parsed) {
      err << parsed.error().to_string() << '\n';
      return 2;
    }
    commands = std::move(*parsed);
  }

  // The window's message loop takes the desktop first; the designer then
  // takes it over, empty.
  std::optional<Application> screen;
  if (script_path.empty()) screen.emplace();
  Designer designer(screen ? &screen->desktop() : nullptr);
  if (std::filesystem::exists(form_path)) {
    if (auto opened = designer.open(form_path); !opened) {
      err << opened.error().to_string() << '\n';
      return 2;
    }
  } else {
    const std::string name = std::filesystem::path(form_path).stem().string();
    if (!is_valid_name(name)) {
      err << form_path << ":0: a new form is named after its file, and \"" << name << "\" is not a name\n";
      return 2;
    }
    designer.start_new(name, form_path);
  }
  if (!script_path.empty()) {
    if (const std::string copy = recovery_path_for(form_path); std::filesystem::exists(copy))
      err << "okit design: " << copy << " holds unsaved changes from a session that ended suddenly; left alone\n";
    return run_design_script(designer, commands, out, err);
  }
  if (run_design_window(*screen, designer, err)) return screen->stop_signal() ? 128 + screen->stop_signal() : 0;
  err << "okit design: no display available; run commands with --script FILE\n";
  return 2;
}

}  // namespace okit
