#include "library/type_library.h"

#include <algorithm>
#include <cstdio>

namespace okit {
namespace {

constexpr TypeLibraryIdentity kTypeLibrary{
    "OpalineKit", guid_literal("{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}"), 8, 0, 0x0409,
    "OpalineKit: Steuerelemente mit Skin für Formulare"};

template <typename Info>
const Info* find_by_name(std::span<const Info> items, std::string_view name) {
  const auto it = std::find_if(items.begin(), items.end(), [&](const Info& item) { return equals_ignore_case(item.name, name); });
  return it == items.end() ? nullptr : &*it;
}

}  // namespace

const TypeLibraryIdentity& type_library() { return kTypeLibrary; }

std::string type_library_reference() {
  char version[16];
  std::snprintf(version, sizeof version, "#%u.%u#0", static_cast<unsigned>(kTypeLibrary.major_version),
                static_cast<unsigned>(kTypeLibrary.minor_version));
  return kTypeLibrary.id.to_string() + version;
}

const EnumTypeInfo& pressed_enum() { return kPressedEnum; }

std::vector<InterfaceFunction> ClassTypeInfo::interface_functions() const {
  std::vector<InterfaceFunction> functions;
  if (accessor_order == AccessorOrder::AllGettersFirst) {
    for (const MemberTypeInfo& member : members) functions.push_back({&member, Accessor::Get});
    for (const MemberTypeInfo& member : members) {
      if (!member.read_only) functions.push_back({&member, Accessor::Put});
    }
    return functions;
  }
  for (const MemberTypeInfo& member : members) {
    functions.push_back({&member, Accessor::Get});
    if (!member.read_only) functions.push_back({&member, Accessor::Put});
  }
  return functions;
}

const MemberTypeInfo* ClassTypeInfo::find_member(std::string_view member_name) const {
  return find_by_name(members, member_name);
}

const MemberTypeInfo* ClassTypeInfo::default_member() const {
  const auto it = std::find_if(members.begin(), members.end(), [](const MemberTypeInfo& member) { return member.dispid == 0; });
  return it == members.end() ? nullptr : &*it;
}

const EventTypeInfo* ClassTypeInfo::find_event(std::string_view event_name) const {
  return find_by_name(events, event_name);
}

std::vector<EventInfo> ClassTypeInfo::host_events() const {
  std::vector<EventInfo> result;
  for (const EventTypeInfo& event : events) {
    EventInfo info{event.name, event.dispid, {}};
    for (const EventArgInfo& arg : event.args) info.args.push_back(arg.type);
    result.push_back(std::move(info));
  }
  return result;
}

}  // namespace okit
