#pragma once
// Late-bound access: every object the host exposes (a control, a child
// element, a form, a picture) describes its properties and events in one
// table per class. The same table serves scripts, the designer's property
// grid, form files and access by DISPID, so there are no parallel switches.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/export.h"
#include "host/value.h"
#include "host/value_cast.h"

namespace okit {

class Dispatch;

// One value of an enumeration, as a designer lists it ("1 - chk_Checked").
struct OKIT_EXPORT NamedValue {
  std::string_view name;
  std::int32_t value = 0;
};

struct OKIT_EXPORT PropertyInfo {
  std::string_view name;
  std::int32_t dispid = 0;
  PropType type = PropType::Variant;
  Value (*get)(Dispatch&) = nullptr;
  void (*put)(Dispatch&, const Value&) = nullptr;  // nullptr: read-only
  // Whether saving a form writes the property; run-time state such as a
  // selection is not saved.
  bool persisted = true;
  // The named values of an enumeration-typed property; empty for others.
  std::span<const NamedValue> named_values = {};
  bool read_only() const { return put == nullptr; }
};

inline PropertyInfo runtime_only(PropertyInfo info) {
  info.persisted = false;
  return info;
}

// A property that takes only a few values, each with a name a designer lists.
inline PropertyInfo with_named_values(PropertyInfo info, std::span<const NamedValue> values) {
  info.named_values = values;
  return info;
}

struct OKIT_EXPORT EventInfo {
  std::string_view name;
  std::int32_t dispid = 0;
  std::vector<PropType> args;  // every argument is passed by reference
};

struct OKIT_EXPORT ClassInfo {
  std::string_view name;     // "cmd_Opaline_Button", "Label"
  std::string_view library;  // "OpalineKit" or "Host" (as in form files)
  std::vector<PropertyInfo> properties;  // interface order
  std::vector<EventInfo> events;         // interface order
  // Where a name not found here is looked up next: a control's own table
  // falls back to the properties the host adds to every control (Name, Left,
  // TabIndex, ...).
  const ClassInfo* fallback = nullptr;

  const PropertyInfo* find_property(std::string_view name) const;  // case-insensitive
  const PropertyInfo* find_property(std::int32_t dispid) const;
  const PropertyInfo* default_member() const;  // DISPID 0, or nullptr
  const EventInfo* find_event(std::string_view name) const;        // case-insensitive
};

OKIT_EXPORT bool equals_ignore_case(std::string_view a, std::string_view b);

class OKIT_EXPORT Dispatch : public std::enable_shared_from_this<Dispatch> {
 public:
  Dispatch() = default;
  Dispatch(const Dispatch&) = delete;
  Dispatch& operator=(const Dispatch&) = delete;
  virtual ~Dispatch() = default;
  virtual const ClassInfo& class_info() const = 0;

  // Holds the object alive across a call that may destroy it (an event
  // handler may unload the form); empty while the object is still being
  // constructed, when nothing else can destroy it either. Every event pays
  // for this, so it takes its one reference directly rather than through a
  // copied weak pointer (one count update instead of three).
  std::shared_ptr<Dispatch> keep_alive();

  // Late-bound access by name; an empty name means the default member.
  // Errors: 438 no such member, 383 read-only, and whatever the put routine
  // or the conversion raises.
  Value get_property(std::string_view name);
  void put_property(std::string_view name, const Value& value);
  Value get_property(std::int32_t dispid);
  void put_property(std::int32_t dispid, const Value& value);
};

// ---- Building property tables from member functions -----------------------
//
//   prop<&Button::get_Caption, &Button::put_Caption>("Caption", -518, PropType::String)
//
// The getter returns and the putter takes bool, int16_t, int32_t, float,
// double, std::string (by value or const&), Value or ObjectRef; conversions
// follow the classic rules of Value.

namespace detail {

template <typename M> struct member_traits;
template <typename C, typename R> struct member_traits<R (C::*)() const> { using cls = C; using ret = R; };
template <typename C, typename R> struct member_traits<R (C::*)()> { using cls = C; using ret = R; };
template <typename C, typename A> struct member_traits<void (C::*)(A)> { using cls = C; using arg = std::decay_t<A>; };

}  // namespace detail

template <auto Get, auto Put = nullptr>
PropertyInfo prop(std::string_view name, std::int32_t dispid, PropType type) {
  using G = detail::member_traits<decltype(Get)>;
  PropertyInfo info{name, dispid, type, nullptr, nullptr};
  info.get = [](Dispatch& o) -> Value {
    return to_value((static_cast<typename G::cls&>(o).*Get)());
  };
  if constexpr (!std::is_same_v<decltype(Put), std::nullptr_t>) {
    using P = detail::member_traits<decltype(Put)>;
    info.put = [](Dispatch& o, const Value& v) {
      (static_cast<typename P::cls&>(o).*Put)(from_value<typename P::arg>(v));
    };
  }
  return info;
}

// An accessor pair by name alone, for a class whose identifiers and types
// are published elsewhere and joined to it by name (see library/control_record.h).
template <auto Get, auto Put = nullptr>
PropertyInfo accessor(std::string_view name) {
  return prop<Get, Put>(name, 0, PropType::Variant);
}

}  // namespace okit
