// Scenario commands that read and write properties and install handlers.

#include "app/scenario_runner.h"
#include "host/picture.h"
#include "host/user_control.h"

namespace okit {

namespace {

// A property value as script output prints it: pictures by the skin image
// they show, everything else by its declared type.
std::string format_output(const Value& value, PropType type) {
  if (type == PropType::Object) return describe_picture(value);
  return format_value(value, type);
}

struct Target {
  Dispatch* object = nullptr;
  std::string property;  // empty: the default member
};

// "OBJ" is the object's default member; "OBJ.PROP" a property of a control
// or a form; "FORM.CTRL.PROP" a property of a control of that form.
template <typename Find>
Target split_target(std::string_view path, Find&& find_object) {
  if (Element* whole = find_object(path); whole && whole->role() == ElementRole::Control) return {whole, ""};
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos) {
    if (Element* whole = find_object(path)) return {whole, ""};
    throw RuntimeError(err::ObjectRequired);
  }
  Element* object = find_object(path.substr(0, dot));
  if (!object) throw RuntimeError(err::ObjectRequired);
  return {object, std::string(path.substr(dot + 1))};
}

const PropertyInfo& property_of(Dispatch& object, std::string_view name) {
  const ClassInfo& info = object.class_info();
  const PropertyInfo* p = name.empty() ? info.default_member() : info.find_property(name);
  if (!p) throw RuntimeError(err::NoSuchMember);
  return *p;
}

}  // namespace

void ScenarioRunner::cmd_set(const ScenarioCommand& c) {
  const auto value = parse_literal(c.args[1]);
  const Target target = split_target(c.args[0], [this](std::string_view p) { return find_object(p); });
  auto keep_alive = target.object->shared_from_this();
  target.object->put_property(target.property, *value);
}

void ScenarioRunner::cmd_get(const ScenarioCommand& c) {
  const Target target = split_target(c.args[0], [this](std::string_view p) { return find_object(p); });
  const PropertyInfo& info = property_of(*target.object, target.property);
  const Value value = target.object->get_property(target.property);
  out_ << c.args[0] << " = " << format_output(value, info.type) << '\n';
}

void ScenarioRunner::cmd_elem(const ScenarioCommand& c) {
  // OBJ.CHILD.PROP or FORM.OBJ.CHILD.PROP
  const std::string_view path = c.args[0];
  const auto prop_dot = path.rfind('.');
  const auto child_dot = path.rfind('.', prop_dot - 1);
  Element* control = find_control(path.substr(0, child_dot));
  if (!control) throw RuntimeError(err::ObjectRequired);
  const std::string_view child_name = path.substr(child_dot + 1, prop_dot - child_dot - 1);
  const std::string_view property = path.substr(prop_dot + 1);

  Dispatch* child = nullptr;
  auto* surface = dynamic_cast<UserControl*>(control);
  if (surface && equals_ignore_case(child_name, "UserControl")) {
    child = &surface->surface();
  } else {
    for_each_element(*control, [&](Element& e) {
      if (!child && &e != control && e.role() == ElementRole::ChildElement && equals_ignore_case(e.name(), child_name))
        child = &e;
    });
  }
  if (!child) throw RuntimeError(err::ObjectRequired);
  const PropertyInfo& info = property_of(*child, property);
  out_ << path << " = " << format_output(child->get_property(property), info.type) << '\n';
}

void ScenarioRunner::cmd_on(const ScenarioCommand& c) {
  const std::string& target = c.args[0];
  const auto dot = target.rfind('.');
  Handler h;
  h.object = target.substr(0, dot);
  h.event = target.substr(dot + 1);
  if (c.nested) {
    h.command = c.nested;
  } else {
    h.arg_name = c.args[2];
    h.arg_value = *parse_literal(c.args[4]);
  }
  handlers_.push_back(std::move(h));
}

void ScenarioRunner::cmd_off(const ScenarioCommand& c) {
  const std::string& target = c.args[0];
  const auto dot = target.rfind('.');
  const std::string object = target.substr(0, dot), event = target.substr(dot + 1);
  std::erase_if(handlers_, [&](const Handler& h) {
    return equals_ignore_case(h.object, object) && equals_ignore_case(h.event, event);
  });
}

}  // namespace okit
