#include "app/sheet_command.h"

#include "app/contact_sheet.h"
#include "app/render_command.h"
#include "app/silent_application.h"
#include "app/usage.h"
#include "backend/headless/png_file.h"

namespace okit {

namespace {

int bad_usage(std::ostream& err, const std::string& problem) {
  err << "okit sheet: " << problem << '\n';
  return short_usage(err, "sheet");
}

}  // namespace

int sheet_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string png_path = "sheet.png";
  int scale = 1;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if ((a == "-o" || a == "--output") && has_value) {
      png_path = args[++i];
    } else if (a == "--scale" && has_value) {
      const auto parsed = parse_scale(args[++i]);
      if (!parsed) return bad_usage(err, kScaleProblem);
      scale = *parsed;
    } else {
      return bad_usage(err, "unexpected argument '" + a + "'");
    }
  }
  QuietDesktop quiet;
  auto sheet = build_contact_sheet(quiet.desktop());
  Compositor frames_only;
  if (Expected<bool> written = write_form_png(frames_only, *sheet, png_path, scale); !written) {
    err << written.error().to_string() << '\n';
    return 2;
  }
  out << "okit: rendered " << png_path << '\n';
  return 0;
}

}  // namespace okit
