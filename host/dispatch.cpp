#include "host/dispatch.h"

#include <algorithm>

namespace okit {

namespace {

// No write-only properties exist in our tables yet; a table entry without a
// getter still gets the classic error instead of a null call.
constexpr int kWriteOnlyProperty = 394;

char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Looks through a class's own table first, then along its fallback chain.
template <typename Entry, typename Match>
const Entry* find_in_chain(const ClassInfo* info, std::vector<Entry> ClassInfo::*table, Match matches) {
  for (; info != nullptr; info = info->fallback) {
    for (const Entry& entry : info->*table) {
      if (matches(entry)) return &entry;
    }
  }
  return nullptr;
}

const PropertyInfo& existing(const PropertyInfo* info) {
  if (info == nullptr) throw RuntimeError(err::NoSuchMember);
  return *info;
}

const PropertyInfo& member_named(const ClassInfo& info, std::string_view name) {
  return existing(name.empty() ? info.default_member() : info.find_property(name));
}

Value read(Dispatch& object, const PropertyInfo& property) {
  if (property.get == nullptr) throw RuntimeError(kWriteOnlyProperty);
  return property.get(object);
}

// The putter converts the value itself (through the type it takes), so a
// control whose own rules differ from the general ones, such as one that
// reads Null as False, gets the value as the caller gave it.
void write(Dispatch& object, const PropertyInfo& property, const Value& value) {
  if (property.read_only()) throw RuntimeError(err::ReadOnlyProperty);
  property.put(object, value);
}

}  // namespace

bool equals_ignore_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Names usually arrive spelled as declared: compare bytes first.
  if (a == b) return true;
  return std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

// The parameters are not called "name": that is the class's own name.
const PropertyInfo* ClassInfo::find_property(std::string_view wanted) const {
  return find_in_chain(this, &ClassInfo::properties,
                       [wanted](const PropertyInfo& p) { return equals_ignore_case(p.name, wanted); });
}

const PropertyInfo* ClassInfo::find_property(std::int32_t dispid) const {
  return find_in_chain(this, &ClassInfo::properties, [dispid](const PropertyInfo& p) { return p.dispid == dispid; });
}

const PropertyInfo* ClassInfo::default_member() const { return find_property(std::int32_t{0}); }

const EventInfo* ClassInfo::find_event(std::string_view wanted) const {
  return find_in_chain(this, &ClassInfo::events,
                       [wanted](const EventInfo& e) { return equals_ignore_case(e.name, wanted); });
}

std::shared_ptr<Dispatch> Dispatch::keep_alive() {
  try {
    return shared_from_this();
  } catch (const std::bad_weak_ptr&) {
    return nullptr;  // not yet, or no longer, owned
  }
}

Value Dispatch::get_property(std::string_view name) { return read(*this, member_named(class_info(), name)); }

void Dispatch::put_property(std::string_view name, const Value& value) {
  write(*this, member_named(class_info(), name), value);
}

Value Dispatch::get_property(std::int32_t dispid) { return read(*this, existing(class_info().find_property(dispid))); }

void Dispatch::put_property(std::int32_t dispid, const Value& value) {
  write(*this, existing(class_info().find_property(dispid)), value);
}

}  // namespace okit
