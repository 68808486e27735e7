// Scenario commands that create, load, save, size and remove forms and
// controls.

#include <iostream>

#include "app/scenario_parser.h"
#include "app/scenario_runner.h"
#include "host/elements/element_kinds.h"
#include "host/form_loader.h"
#include "host/user_control.h"

namespace okit {

namespace {

constexpr double px = kTwipsPerPixel;

std::int32_t int_arg(const ScenarioCommand& c, std::size_t i) { return std::stoi(c.args[i]); }

// What a designer does for a newly placed host element: its caption or text
// starts as its name.
void init_host_element(Element& element) {
  for (std::string_view key : {"Caption", "Text"}) {
    if (const PropertyInfo* info = element.class_info().find_property(key); info && !info->read_only()) {
      info->put(element, Value(element.name()));
      return;
    }
  }
}

}  // namespace

void ScenarioRunner::cmd_form(const ScenarioCommand& c) {
  auto& desktop = Desktop::current();
  if (desktop.find_form(c.args[0])) throw RuntimeError(err::InvalidCall);
  const double width = int_arg(c, 3) * px, height = int_arg(c, 4) * px;
  // Checked before the form exists, so a refused size leaves no form behind.
  if (width > kMaxFormTwips || height > kMaxFormTwips) throw RuntimeError(err::InvalidPropertyValue);
  auto form = desktop.create_form(c.args[0]);
  form->put_Caption(c.args[0]);
  form->put_BorderStyle(c.args.size() == 6 ? 0 : 2);
  form->place_twips(int_arg(c, 1) * px, int_arg(c, 2) * px, width, height);
  current_ = form->weak_from_this();
  desktop.activate(form.get());
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

  std::shared_ptr<Element> control = create_host_element(class_name, name);
  if (!control) control = create_control("OpalineKit", class_name);
  control->set_name(name);
  control->set_role(ElementRole::Control);
  control->put_TabIndex(form->next_tab_index());
  container->add_child(control);
  control->place_twips(int_arg(c, 2) * px, int_arg(c, 3) * px, control->width_twips(), control->height_twips());

  auto* surface = dynamic_cast<UserControl*>(control.get());
  if (!surface) init_host_element(*control);  // before it reports: the designer's own setting raises nothing
  control->set_sink(&Desktop::current());
  if (surface) surface->InitProperties();
  if (!control->alive()) return;

  double width = control->width_twips(), height = control->height_twips();
  if (n - (inside ? 2 : 0) == 6) {
    width = int_arg(c, 4) * px;
    height = int_arg(c, 5) * px;
  } else if (!surface) {
    const auto size = default_control_size(class_name);
    width = size.width * px;
    height = size.height * px;
  }
  if (width == control->width_twips() && height == control->height_twips())
    control->notify_resized();
  else
    control->set_bounds_twips(control->left_twips(), control->top_twips(), width, height);
  if (surface && surface->alive()) surface->show();
}

void ScenarioRunner::cmd_load(const ScenarioCommand& c) {
  const std::string path = resolve(unquote(c.args[0]));
  auto doc = read_form_file(path);
  if (!doc) {
    err_ << doc.error().to_string() << '\n';
    fatal_status_ = 2;
    return;
  }
  if (Desktop::current().find_form(doc->form.name)) throw RuntimeError(err::InvalidCall);
  auto form = load_form(*doc, path);
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
  Desktop::current().unload(*form);
  if (was_current) {
    Form* active = Desktop::current().active_form();
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
