#include "app/skins_command.h"

#include "app/usage.h"
#include "host/skin_folder.h"
#include "host/skins.h"

namespace okit {
namespace {

// "button d1 7 x 21 24-bit"
std::string describe(const SkinImage& image) {
  return image.control + " " + image.name + " " + std::to_string(image.width) + " x " + std::to_string(image.height) +
         " " + std::to_string(image.bits_per_pixel) + "-bit";
}

int list_skin_images(std::ostream& out) {
  for (const SkinImage& image : skin_images()) out << describe(image) << "\n";
  return 0;
}

int check_folder(const std::string& dir, std::ostream& out, std::ostream& err) {
  const auto checks = check_skin_folder(dir);
  if (!checks) {
    err << "okit skins: " << checks.error().file << ": " << checks.error().message << "\n";
    return 2;
  }
  int problems = 0;
  for (const SkinFileCheck& check : *checks) {
    out << describe(check.needed) << ": " << verdict_text(check) << "\n";
    if (is_problem(check)) ++problems;
  }
  out << problems << (problems == 1 ? " problem" : " problems") << "\n";
  return problems == 0 ? 0 : 1;
}

}  // namespace

int skins_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1) return list_skin_images(out);
  if (args.size() == 2 && !args[1].empty() && args[1][0] != '-') return check_folder(args[1], out, err);
  return short_usage(err, "skins");
}

bool use_skin_directory(const std::string& dir, std::ostream& err) {
  const auto warnings = use_skin_folder(dir);
  if (!warnings) {
    err << "okit: --skins " << warnings.error().file << ": " << warnings.error().message << "\n";
    return false;
  }
  for (const std::string& warning : *warnings) err << "okit: warning: " << warning << "\n";
  return true;
}

}  // namespace okit
