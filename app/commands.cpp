#include "app/commands.h"

#include <cstdlib>

#include "api/application.h"
#include "app/designer/design_script.h"
#include "app/form_check.h"
#include "app/header_command.h"
#include "app/render_command.h"
#include "app/web_command.h"
#include "app/scenario_runner.h"
#include "app/sheet_command.h"
#include "app/skins_command.h"
#include "app/usage.h"
#include "host/font.h"

namespace okit {

namespace {

std::string png_path_for(const std::string& form_path) {
  std::string png_path = form_path;
  if (png_path.size() > 4 && png_path.substr(png_path.size() - 4) == ".frm") png_path.resize(png_path.size() - 4);
  return png_path + ".png";
}

// okit run FORM [--scale N]: real windows when a display is available,
// otherwise the form is rendered to FORM.png beside it.
int run_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string form_path;
  int scale = 1;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--scale" && i + 1 < args.size()) {
      const auto parsed = parse_scale(args[++i]);
      if (!parsed) {
        err << "okit run: " << kScaleProblem << '\n';
        return short_usage(err, args[0]);
      }
      scale = *parsed;
    } else if (form_path.empty() && !args[i].empty() && args[i][0] != '-') {
      form_path = args[i];
    } else {
      return short_usage(err, args[0]);
    }
  }
  if (form_path.empty()) return short_usage(err, args[0]);

  Application app;
  app.on_error([&err](const RuntimeError& error) {
    err << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
  });
  std::shared_ptr<Form> form;
  try {
    form = app.load(form_path);
  } catch (const FormFileError& error) {
    err << error.what() << '\n';
    return 2;
  }
  // The caption control's close button asks to close its window. A program
  // decides that for itself; okit, running a form alone, closes it.
  app.on_any_event([](Element& control, std::string_view event, std::span<Value>) {
    if (event == "CloseWindow" && control.form()) control.form()->Unload();
  });
  if (app.run(scale)) return app.stop_signal() ? 128 + app.stop_signal() : 0;

  const std::string png_path = png_path_for(form_path);
  try {
    app.render(*form, png_path);
  } catch (const FormFileError& error) {
    err << error.what() << '\n';
    return 2;
  }
  out << "okit: no display available; rendered " << png_path << '\n';
  return 0;
}

// okit check FORM [--json]
int check_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string form_path;
  CheckOutput output = CheckOutput::Text;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      output = CheckOutput::Json;
    } else if (form_path.empty() && !args[i].empty() && args[i][0] != '-') {
      form_path = args[i];
    } else {
      return short_usage(err, args[0]);
    }
  }
  if (form_path.empty()) return short_usage(err, args[0]);
  return check_form_file(form_path, out, err, output);
}

// okit script FILE|-
int script_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return short_usage(err, args[0]);
  return run_scenario_file(args[1], out, err);
}

bool asks_for_help(const std::vector<std::string>& args) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

// okit help [COMMAND], okit --help, okit COMMAND --help: usage on standard
// output, since the user asked for it.
int help_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1) {
    print_help(out);
    return 0;
  }
  if (args.size() == 2 && args[1] == "--all") {
    print_full_help(out);
    return 0;
  }
  const CommandHelp* command = args.size() == 2 ? find_command_help(args[1]) : nullptr;
  if (!command) {
    if (args.size() == 2) err << "okit help: no command '" << args[1] << "'\n";
    return short_usage(err, "help");
  }
  print_command_help(*command, out);
  return 0;
}

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

Command find_command(const std::string& name) {
  static const std::pair<const char*, Command> kCommands[] = {
      {"run", run_command},       {"render", render_command}, {"script", script_command},
      {"check", check_command},   {"sheet", sheet_command},   {"skins", skins_command},
      {"design", design_command}, {"header", header_command}, {"web", web_command},
      {"help", help_command},
  };
  for (const auto& [command_name, command] : kCommands)
    if (name == command_name) return command;
  return nullptr;
}

}  // namespace

int run_command_line(const std::vector<std::string>& all_args, std::ostream& out, std::ostream& err) {
  if (all_args.size() == 1 && all_args[0] == "--version") {
    print_version(out);
    return 0;
  }
  if (all_args.size() == 1 && (all_args[0] == "--help" || all_args[0] == "-h")) {
    print_help(out);
    return 0;
  }
  // Without a command okit has nothing to do: the usage then is an error.
  if (all_args.empty()) return short_usage(err);
  const Command command = find_command(all_args[0]);
  if (!command) {
    err << "okit: no command '" << all_args[0] << "'\n";
    return short_usage(err);
  }
  if (asks_for_help(all_args)) {
    print_command_help(*find_command_help(all_args[0]), out);
    return 0;
  }
  // The library reads no environment; the command line lets a user point it
  // at another font.
  if (const char* font = std::getenv("OKIT_FONT")) set_font_path(font);
  // --skins DIR re-themes whatever the command draws.
  std::vector<std::string> args;
  for (std::size_t i = 0; i < all_args.size(); ++i) {
    if (all_args[i] != "--skins" || i == 0) {
      args.push_back(all_args[i]);
      continue;
    }
    if (i + 1 == all_args.size()) return short_usage(err, args[0]);
    if (!use_skin_directory(all_args[++i], err)) return 2;
  }
  return command(args, out, err);
}

}  // namespace okit
