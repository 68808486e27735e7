#include "app/commands.h"

#include <cstdlib>

#include "app/form_check.h"
#include "app/render_command.h"
#include "app/scenario_runner.h"
#include "host/font.h"

namespace okit {

namespace {

constexpr const char* kUsage =
    "usage: okit run FORM\n"
    "       okit render FORM -o OUT.png [--state STATE] [--scale N]\n"
    "       okit script FILE|-\n"
    "       okit check FORM\n";

int usage(std::ostream& err) {
  err << kUsage;
  return 2;
}

// Without real windows the form is rendered to FORM.png beside it.
int run_form(const std::string& path, std::ostream& out, std::ostream& err) {
  std::string png_path = path;
  if (png_path.size() > 4 && png_path.substr(png_path.size() - 4) == ".frm") png_path.resize(png_path.size() - 4);
  png_path += ".png";
  const int status = render_form(path, png_path, "", 1, err);
  if (status == 0) out << "okit: no display available; rendered " << png_path << '\n';
  return status;
}

}  // namespace

int run_command_line(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // The library reads no environment; the command line lets a user point it
  // at another font.
  if (const char* font = std::getenv("OKIT_FONT")) set_font_path(font);
  if (!args.empty() && args[0] == "render") return render_command(args, out, err);
  if (args.size() != 2) return usage(err);
  const std::string& command = args[0];
  if (command == "script") return run_scenario_file(args[1], out, err);
  if (command == "run") return run_form(args[1], out, err);
  if (command == "check") return check_form_file(args[1], out, err);
  return usage(err);
}

}  // namespace okit
