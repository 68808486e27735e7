#include "library/control_record.h"

#include <algorithm>
#include <stdexcept>

namespace okit {

namespace {

const ClassTypeInfo& published_class(std::string_view class_name) {
  const auto classes = opaline_classes();
  const auto it = std::find_if(classes.begin(), classes.end(),
                               [&](const ClassTypeInfo& type) { return type.name == class_name; });
  if (it == classes.end())
    throw std::logic_error("the record of " + std::string(class_name) + " names a class the library does not publish");
  return *it;
}

const PropertyInfo& accessor_for(const ControlRecord& record, const MemberTypeInfo& member) {
  const auto it = std::find_if(record.accessors.begin(), record.accessors.end(),
                               [&](const PropertyInfo& accessor) { return accessor.name == member.name; });
  if (it == record.accessors.end())
    throw std::logic_error("the record of " + std::string(record.class_name) + " has no accessor for the member " +
                           std::string(member.name) + " of the library's table");
  if (it->read_only() != member.read_only)
    throw std::logic_error("the record of " + std::string(record.class_name) + " makes " + std::string(member.name) +
                           (member.read_only ? " writable; the library's table has it read-only"
                                             : " read-only; the library's table has it writable"));
  return *it;
}

}  // namespace

ClassInfo bind_record(const ControlRecord& record) {
  const ClassTypeInfo& type = published_class(record.class_name);
  for (const PropertyInfo& accessor : record.accessors)
    if (std::none_of(type.members.begin(), type.members.end(),
                     [&](const MemberTypeInfo& member) { return member.name == accessor.name; }))
      throw std::logic_error("the record of " + std::string(record.class_name) + " names the member " +
                             std::string(accessor.name) + ", which the library's table of the class lacks");
  ClassInfo info{type.name, type_library().name, {}, type.host_events(), &element_class_info()};
  for (const MemberTypeInfo& member : type.members) {
    PropertyInfo bound = accessor_for(record, member);
    bound.dispid = member.dispid;
    bound.type = member.type;
    if (member.enumeration) bound.named_values = member.enumeration->values;
    info.properties.push_back(bound);
  }
  return info;
}

ReviewLook forced_look(std::string label, ForcedLook look) {
  return {std::move(label), [look](Element& control) { static_cast<UserControl&>(control).show_forced_look(look); }};
}

ReviewLook disabled_look(std::string label) {
  return {std::move(label), [](Element& control) {
            control.put_property("Enabled", Value::boolean(false));
            static_cast<UserControl&>(control).show_forced_look(ForcedLook::Disabled);
          }};
}

ControlSetup put_property(std::string property, Value value) {
  return [property = std::move(property), value = std::move(value)](Element& control) {
    control.put_property(property, value);
  };
}

}  // namespace okit
