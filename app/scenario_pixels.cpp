// Scenario commands that look at the composed screen.

#include <cstdio>

#include "app/scenario_parser.h"
#include "app/scenario_runner.h"
#include "backend/headless/png_file.h"
#include "host/paint/compositor.h"

namespace okit {

void ScenarioRunner::cmd_pixel(const ScenarioCommand& c) {
  const Point p{std::stoi(c.args[0]), std::stoi(c.args[1])};
  Compositor& compositor = backend_.compositor();
  if (!compositor.screen().bounds().contains(p)) throw RuntimeError(err::InvalidCall);
  const std::uint32_t rgb = compositor.screen_pixel(p);
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
  out_ << "pixel " << p.x << ' ' << p.y << " = " << text << '\n';
}

// Brings the form's frame up to date and says what that cost: the way to see
// that a steady state repaints nothing.
void ScenarioRunner::cmd_repaint(const ScenarioCommand& c) {
  Form* form = find_form(c.args[0]);
  if (!form) throw RuntimeError(err::ObjectRequired);
  const ComposeStats stats = backend_.compositor().compose(*form);
  out_ << "repaint " << form->name() << " = " << stats.pixels << " pixels in " << stats.rectangles << " rectangles\n";
}

void ScenarioRunner::cmd_snapshot(const ScenarioCommand& c) {
  const std::string path = resolve(unquote(c.args.back()));
  Expected<bool> written = true;
  Compositor& compositor = backend_.compositor();
  if (c.args.size() == 2) {
    Form* form = find_form(c.args[0]);
    if (!form) throw RuntimeError(err::ObjectRequired);
    compositor.compose(*form);
    const FrameBuffer* frame = compositor.frame(*form);
    if (!frame) throw RuntimeError(err::InvalidCall);
    written = write_png(path, *frame, frame->bounds());
  } else {
    compositor.compose_screen();
    written = write_png(path, compositor.screen(), compositor.screen().bounds());
  }
  if (!written) {
    err_ << written.error().to_string() << '\n';
    fatal_status_ = 2;
  }
}

}  // namespace okit
