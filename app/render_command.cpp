#include "app/render_command.h"

#include "app/semantic_tree.h"
#include "app/silent_application.h"
#include "app/usage.h"
#include "backend/headless/png_file.h"
#include "host/desktop.h"
#include "host/form_loader.h"
#include "host/paint/compositor.h"
#include "host/user_control.h"

namespace okit {

namespace {

int bad_usage(std::ostream& err, const std::string& problem) {
  err << "okit render: " << problem << '\n';
  return short_usage(err, "render");
}

}  // namespace

std::optional<int> parse_scale(const std::string& text) {
  int scale = 0;
  try {
    std::size_t used = 0;
    scale = std::stoi(text, &used);
    if (used != text.size()) return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (scale < 1 || scale > 16) return std::nullopt;
  return scale;
}

int render_form(const std::string& form_path, const std::string& png_path, const std::string& state, int scale,
                std::ostream& err, std::ostream* tree) {
  std::optional<ForcedLook> look;
  if (!state.empty()) {
    look = parse_forced_look(state);
    if (!look) return bad_usage(err, "unknown state '" + state + "' (normal, hover, pressed, focused, disabled, inactive)");
  }
  auto doc = read_form_file(form_path);
  if (!doc) {
    err << doc.error().to_string() << '\n';
    return 2;
  }
  QuietDesktop quiet;
  int status = 0;
  if (auto form = load_form(quiet.desktop(), *doc, form_path); !form) {
    err << form.error().to_string() << '\n';
    status = 2;
  } else {
    if (look)
      for (Element* control : (*form)->controls())
        if (auto* surface = dynamic_cast<UserControl*>(control)) surface->show_forced_look(*look);
    Compositor frames_only;
    Expected<bool> written = write_form_png(frames_only, **form, png_path, scale);
    if (!written) {
      err << written.error().to_string() << '\n';
      status = 2;
    } else if (tree) {
      *tree << semantic_tree(**form);
    }
  }
  return status;
}

int render_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string form_path, png_path, state;
  int scale = 1;
  bool tree = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if ((a == "-o" || a == "--output") && has_value) {
      png_path = args[++i];
    } else if (a == "--state" && has_value) {
      state = args[++i];
    } else if (a == "--scale" && has_value) {
      const auto parsed = parse_scale(args[++i]);
      if (!parsed) return bad_usage(err, kScaleProblem);
      scale = *parsed;
    } else if (a == "--tree") {
      tree = true;
    } else if (!a.empty() && a[0] != '-' && form_path.empty()) {
      form_path = a;
    } else {
      return bad_usage(err, "unexpected argument '" + a + "'");
    }
  }
  if (form_path.empty()) return bad_usage(err, "no form file given");
  if (png_path.empty()) return bad_usage(err, "no output file given (-o OUT.png)");
  // With --tree the output is the tree alone, so it can be saved and diffed.
  const int status = render_form(form_path, png_path, state, scale, err, tree ? &out : nullptr);
  if (status == 0 && !tree) out << "okit: rendered " << png_path << '\n';
  return status;
}

}  // namespace okit
