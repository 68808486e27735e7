// The web runtime: the program a page built by `okit web` loads. The page
// fetches the form file and hands its text to okit_run_form, which loads it
// onto a desktop run by the web backend. Every event a control raises is
// written to the page's event log as `okit script` prints it; what goes to
// standard error the page shows as a problem.

#include <emscripten.h>

#include <iostream>
#include <memory>

#include "api/install_controls.h"
#include "backend/web/event_log.h"
#include "backend/web/web_backend.h"
#include "host/desktop.h"
#include "host/form_file.h"
#include "host/form_loader.h"

namespace {

class PageApplication final : public okit::ApplicationEvents {
 public:
  void control_event(okit::Element& control, std::string_view event, std::span<okit::Value> args) override {
    okit::page::log_event(control, event, args);
  }
  void property_changed(okit::Element&, std::string_view) override {}
  void unhandled_error(const okit::RuntimeError& error) override {
    std::cerr << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
  }
};

// The page's one desktop, for the life of the page.
struct Page {
  PageApplication application;
  okit::Desktop desktop;
  std::unique_ptr<okit::WebBackend> backend;
  std::shared_ptr<okit::Form> form;
};

Page& page() {
  static Page* const the_page = new Page;  // never destroyed: the page ends, not the program
  return *the_page;
}

}  // namespace

// Loads the form and shows it; returns 0, or 2 when the form does not load
// (the page then shows why, as `okit render` would say it).
extern "C" EMSCRIPTEN_KEEPALIVE int okit_run_form(const char* text, const char* file_name, int scale) {
  Page& p = page();
  okit::install_controls(p.desktop);
  p.desktop.set_application(&p.application);
  auto document = okit::parse_form(text, file_name);
  if (!document) {
    std::cerr << document.error().to_string() << '\n';
    return 2;
  }
  auto form = okit::load_form(p.desktop, *document, file_name);
  if (!form) {
    std::cerr << form.error().to_string() << '\n';
    return 2;
  }
  p.form = *form;
  p.backend = std::make_unique<okit::WebBackend>(p.desktop, scale);
  p.backend->update();
  return 0;
}
