#include "app/commands.h"

#include <cstdlib>

#include "app/form_check.h"
#include "app/scenario_runner.h"
#include "host/font.h"
#include "host/form_loader.h"

namespace okit {

namespace {

constexpr const char* kUsage =
    "usage: okit run FORM\n"
    "       okit script FILE|-\n"
    "       okit check FORM\n";

int usage(std::ostream& err) {
  err << kUsage;
  return 2;
}

// Loads a form on the headless desktop and says what it holds.
int run_form(const std::string& path, std::ostream& out, std::ostream& err) {
  auto doc = read_form_file(path);
  if (!doc) {
    err << doc.error().to_string() << '\n';
    return 2;
  }
  auto form = load_form(*doc, path);
  if (!form) {
    err << form.error().to_string() << '\n';
    return 2;
  }
  out << "okit: " << path << ": form " << (*form)->name() << " with " << (*form)->controls().size()
      << " controls loaded\n";
  return 0;
}

}  // namespace

int run_command_line(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // The library reads no environment; the command line lets a user point it
  // at another font.
  if (const char* font = std::getenv("OKIT_FONT")) set_font_path(font);
  if (args.size() != 2) return usage(err);
  const std::string& command = args[0];
  if (command == "script") return run_scenario_file(args[1], out, err);
  if (command == "run") return run_form(args[1], out, err);
  if (command == "check") return check_form_file(args[1], out, err);
  return usage(err);
}

}  // namespace okit
