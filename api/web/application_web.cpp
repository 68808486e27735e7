// Application in a web page. A page cannot wait: run() starts the web
// backend, shows the forms and hands control back to the browser for good.
// It does not return, and nothing main holds is destroyed: the Application,
// its forms and the handlers' captures live on with the page, and the
// handlers run from the page's events as they run from the loop on the
// desktop. Code after run() does not run in a page. As in pages `okit web`
// writes, every event goes to the page's event log too.

#include <emscripten.h>

#include <algorithm>
#include <memory>

#include "api/application.h"
#include "backend/web/event_log.h"
#include "backend/web/page.h"
#include "backend/web/web_backend.h"
#include "host/expected.h"

namespace okit {

void Application::control_event(Element& control, std::string_view event, std::span<Value> args) {
  if (on_any_event_) on_any_event_(control, event, args);
  page::log_event(control, event, args);
}

bool Application::run(int scale) {
  if (scale < 1 || scale > 16) throw RuntimeError(err::InvalidPropertyValue);
  // A dense screen gets whole canvas pixels per form pixel, as --scale does.
  static std::unique_ptr<WebBackend> backend;
  backend = std::make_unique<WebBackend>(desktop_, std::max(scale, page::device_pixel_scale()));
  backend->update();
  emscripten_exit_with_live_runtime();
  return true;
}

void Application::do_events() {
  if (WebBackend* backend = WebBackend::current())
    backend->update();
  else
    desktop_.do_events();
}

void Application::render(Form&, const std::string& png_path, int) {
  throw FormFileError(LoadError{png_path, 0, "a web page writes no PNG files"});
}

}  // namespace okit
