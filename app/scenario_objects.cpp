// Scenario commands that create, load, save, size and remove forms and
// controls.

#include <iostream>

#include "app/scenario_parser.h"
#include "app/scenario_runner.h"
#include "host/form_loader.h"
#include "host/place_control.h"
#include "host/user_control.h"

namespace okit {

namespace {

constexpr double px = kTwipsPerPixel;

std::int32_t int_arg(const ScenarioCommand& c, std::size_t i) { return std::stoi(c.args[i]); }

}  // namespace

void ScenarioRunner::cmd_form(const ScenarioCommand& c) {
  if (desktop_.find_form(c.args[0])) throw RuntimeError(err::InvalidCall);
  const double width = int_arg(c, 3) * px, height = int_arg(c, 4) * px;
  // Checked before the form exists, so a refused size leaves no form behind.
  if (width > kMaxFormTwips || height > kMaxFormTwips) throw RuntimeError(err::InvalidPropertyValue);
  auto form = desktop_.create_form(c.args[0]);
  form->put_Caption(c.args[0]);
  form->put_BorderStyle(c.args.size() == 6 ? 0 : 2);
  form->place_twips(int_arg(c, 1) * px, int_arg(c, 2) * px, width, height);
  current_ = form->weak_from_this();
  desktop_.activate(form.get());
}

void ScenarioRunner::cmd_place(const ScenarioCommand& c) {
  Form* form = current_form();
  if (!form) throw RuntimeError(err::ObjectRequired);
  const std::string& class_name = c.args[0];
  const std::string& name = c.args[1];
  Element* container = form;
  const std::size_t n = c.args.size();
  const bool inside = n >= 2 && equals_ignore_case(c.args[n - 2], "in");
  if (inside) {
    container = form->find_control(c.args[n - 1]).get();
    if (!container) throw RuntimeError(err::ObjectRequired);
    auto* surface = dynamic_cast<UserControl*>(container);
    if (!surface || !surface->is_container()) throw RuntimeError(err::InvalidCall);
  }
  if (form->find_control(name)) throw RuntimeError(err::InvalidCall);

  std::optional<Size> size;
  if (n - (inside ? 2 : 0) == 6) size = Size{int_arg(c, 4), int_arg(c, 5)};
  place_control(*form, *container, class_name, name, {int_arg(c, 2), int_arg(c, 3)}, size);
}

void ScenarioRunner::cmd_load(const ScenarioCommand& c) {
  const std::string path = resolve(unquote(c.args[0]));
  auto doc = read_form_file(path);
  if (!doc) {
    err_ << doc.error().to_string() << '\n';
    fatal_status_ = 2;
    return;
  }
  if (desktop_.find_form(doc->form.name)) throw RuntimeError(err::InvalidCall);
  auto form = load_form(desktop_, *doc, path);
  if (!form) {
    err_ << form.error().to_string() << '\n';
    fatal_status_ = 2;
    return;
  }
  current_ = (*form)->weak_from_this();
}

void ScenarioRunner::cmd_save(const ScenarioCommand& c) {
  Form* form = current_form();
  if (!form) throw RuntimeError(err::ObjectRequired);
  const FormDocument doc = describe_form(*form);
  if (c.args.empty()) {
    out_ << write_form(doc);
    return;
  }
  const std::string path = resolve(unquote(c.args[0]));
  if (auto written = write_form_file(path, doc); !written) {
    err_ << written.error().to_string() << '\n';
    fatal_status_ = 2;
  }
}

void ScenarioRunner::cmd_unload(const ScenarioCommand& c) {
  Form* form = find_form(c.args[0]);
  if (!form) throw RuntimeError(err::ObjectRequired);
  const bool was_current = form == current_form();
  desktop_.unload(*form);
  if (was_current) {
    Form* active = desktop_.active_form();
    current_ = active ? active->weak_from_this() : std::weak_ptr<Dispatch>();
  }
}

void ScenarioRunner::cmd_resize(const ScenarioCommand& c) {
  Element* target = find_object(c.args[0]);
  if (!target) throw RuntimeError(err::ObjectRequired);
  const int w = int_arg(c, 1), h = int_arg(c, 2);
  if (w < 0 || h < 0) throw RuntimeError(err::InvalidPropertyValue);
  target->set_bounds_twips(target->left_twips(), target->top_twips(), w * px, h * px);
}

void ScenarioRunner::cmd_move(const ScenarioCommand& c) {
  Element* target = find_object(c.args[0]);
  if (!target) throw RuntimeError(err::ObjectRequired);
  target->set_bounds_twips(int_arg(c, 1) * px, int_arg(c, 2) * px, target->width_twips(), target->height_twips());
}

}  // namespace okit
