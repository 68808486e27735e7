#include "app/web_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/silent_application.h"
#include "app/usage.h"
#include "host/form_loader.h"

namespace okit {

namespace fs = std::filesystem;

namespace {

// What `okit web` copies from the runtime folder; index.html is the
// template it fills in.
constexpr const char* kRuntimeFiles[] = {"okit_runtime.js", "okit_runtime.wasm", "okit_page.js"};
constexpr const char* kPageTemplate = "index.html";

int bad_usage(std::ostream& err, const std::string& problem) {
  err << "okit web: " << problem << '\n';
  return short_usage(err, "web");
}

std::vector<fs::path> runtime_places() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const fs::path folder = self.parent_path();
  return {folder / "web-runtime", folder / ".." / "share" / "OpalineKit" / "web-runtime"};
}

bool holds_runtime(const fs::path& folder) {
  if (!fs::exists(folder / kPageTemplate)) return false;
  for (const char* file : kRuntimeFiles)
    if (!fs::exists(folder / file)) return false;
  return true;
}

std::string html_escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void replace_all(std::string& text, const std::string& placeholder, const std::string& value) {
  for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
    text.replace(at, placeholder.size(), value);
}

// Fills the page template in: the form file it loads and its title.
bool write_page(const fs::path& runtime, const fs::path& site, const std::string& form_file, const std::string& title) {
  std::ifstream in(runtime / kPageTemplate, std::ios::binary);
  std::stringstream page;
  page << in.rdbuf();
  std::string text = page.str();
  replace_all(text, "@FORM_FILE@", html_escaped(form_file));
  replace_all(text, "@FORM_TITLE@", html_escaped(title));
  std::ofstream out(site / kPageTemplate, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

int write_site(const fs::path& runtime, const std::string& form_path, const std::string& title, const fs::path& site,
               std::ostream& err) {
  std::error_code error;
  fs::create_directories(site, error);
  const std::string form_file = fs::path(form_path).filename().string();
  for (const char* file : kRuntimeFiles) {
    if (error) break;
    fs::copy_file(runtime / file, site / file, fs::copy_options::overwrite_existing, error);
  }
  if (!error) fs::copy_file(form_path, site / form_file, fs::copy_options::overwrite_existing, error);
  if (error) {
    err << "okit web: cannot write the site in " << site.string() << ": " << error.message() << '\n';
    return 2;
  }
  if (!write_page(runtime, site, form_file, title)) {
    err << "okit web: cannot write " << (site / kPageTemplate).string() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace

int web_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string form_path, site, runtime_option;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if ((a == "-o" || a == "--output") && has_value)
      site = args[++i];
    else if (a == "--runtime" && has_value)
      runtime_option = args[++i];
    else if (!a.empty() && a[0] != '-' && form_path.empty())
      form_path = a;
    else
      return bad_usage(err, "unexpected argument '" + a + "'");
  }
  if (form_path.empty()) return bad_usage(err, "no form file given");
  if (site.empty()) return bad_usage(err, "no output folder given (-o DIR)");

  // A form okit render would refuse is refused here, with the same message,
  // rather than in the page.
  auto doc = read_form_file(form_path);
  if (!doc) {
    err << doc.error().to_string() << '\n';
    return 2;
  }
  QuietDesktop quiet;
  auto form = load_form(quiet.desktop(), *doc, form_path);
  if (!form) {
    err << form.error().to_string() << '\n';
    return 2;
  }

  const std::vector<fs::path> places = runtime_option.empty() ? runtime_places() : std::vector<fs::path>{runtime_option};
  const auto runtime = std::find_if(places.begin(), places.end(), holds_runtime);
  if (runtime == places.end()) {
    err << "okit web: no web runtime in";
    for (const fs::path& place : places) err << ' ' << place.lexically_normal().string();
    err << "; build it with tools/build-web.sh, which puts it beside okit in the build tree\n";
    return 2;
  }
  const int status = write_site(*runtime, form_path, (*form)->window_title(), site, err);
  if (status == 0) out << "okit: wrote " << site << " (open index.html from a web server)\n";
  return status;
}

}  // namespace okit
