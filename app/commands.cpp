#include "app/commands.h"

#include <cstdlib>

#include "api/application.h"
#include "app/designer/design_script.h"
#include "app/form_check.h"
#include "app/header_command.h"
#include "app/render_command.h"
#include "app/scenario_runner.h"
#include "app/sheet_command.h"
#include "app/skins_command.h"
#include "host/font.h"

namespace okit {

namespace {

constexpr const char* kUsage =
    "usage: okit run FORM [--scale N]\n"
    "       okit render FORM -o OUT.png [--state STATE] [--scale N] [--tree]\n"
    "       okit script FILE|-\n"
    "       okit check FORM [--json]\n"
    "       okit sheet [-o OUT.png] [--scale N]\n"
    "       okit skins [DIR]\n"
    "       okit design FORM [--script FILE]\n"
    "run, render and sheet also take --skins DIR: draw the controls from the skin images in DIR\n";

int usage(std::ostream& err) {
  err << kUsage;
  return 2;
}

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
        return usage(err);
      }
      scale = *parsed;
    } else if (form_path.empty() && !args[i].empty() && args[i][0] != '-') {
      form_path = args[i];
    } else {
      return usage(err);
    }
  }
  if (form_path.empty()) return usage(err);

  Application app;
  app.on_error([&err](const RuntimeError& error) {
    err << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
  });
  std::shared_ptr<Form> form;
  try {
    form = Form::load(form_path);
  } catch (const FormFileError& error) {
    err << error.what() << '\n';
    return 2;
  }
  // The caption control's close button asks to close its window. A program
  // decides that for itself; okit, running a form alone, closes it.
  app.on_any_event([](Element& control, std::string_view event, std::span<Value>) {
    if (event == "CloseWindow" && control.form()) control.form()->Unload();
  });
  if (app.run(scale)) return 0;

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
      return usage(err);
    }
  }
  if (form_path.empty()) return usage(err);
  return check_form_file(form_path, out, err, output);
}

}  // namespace

int run_command_line(const std::vector<std::string>& all_args, std::ostream& out, std::ostream& err) {
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
    if (i + 1 == all_args.size()) return usage(err);
    if (!use_skin_directory(all_args[++i], err)) return 2;
  }
  if (!args.empty() && args[0] == "sheet") return sheet_command(args, out, err);
  if (!args.empty() && args[0] == "skins") return skins_command(args, out, err);
  if (!args.empty() && args[0] == "render") return render_command(args, out, err);
  if (!args.empty() && args[0] == "run") return run_command(args, out, err);
  if (!args.empty() && args[0] == "check") return check_command(args, out, err);
  if (!args.empty() && args[0] == "design") return design_command(args, out, err);
  if (!args.empty() && args[0] == "header") return header_command(args, out, err);
  if (args.size() != 2) return usage(err);
  const std::string& command = args[0];
  if (command == "script") return run_scenario_file(args[1], out, err);
  return usage(err);
}

}  // namespace okit
