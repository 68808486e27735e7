#pragma once
// The published type information of OpalineKit: the library's identity, the
// six control classes with their identifiers, member and event tables, and the
// m_Pressed enumeration. This is what a designer reads to fill its toolbox and
// property browser, and what a control's own dispatch table must agree with.
// The data lives in class_tables.cpp and type_library.cpp; nothing here knows
// how a control is implemented.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/dispatch.h"
#include "host/export.h"
#include "host/value.h"
#include "library/guid.h"

namespace okit {

// ---- The library -----------------------------------------------------------

struct OKIT_EXPORT TypeLibraryIdentity {
  std::string_view name;
  Guid id;
  std::uint16_t major_version = 0;
  std::uint16_t minor_version = 0;
  std::uint32_t locale = 0;
  std::string_view help;
};

OKIT_EXPORT const TypeLibraryIdentity& type_library();

// How a form file names the library: "{GUID}#8.0#0".
OKIT_EXPORT std::string type_library_reference();

// ---- Enumerations ----------------------------------------------------------

using EnumValueInfo = NamedValue;

struct OKIT_EXPORT EnumTypeInfo {
  std::string_view name;
  std::span<const EnumValueInfo> values;
};

// m_Pressed, the type of the check box's Value: the control's code uses
// the constants, designers and the type library the table.
enum m_Pressed : std::int32_t { chk_None = 0, chk_Checked = 1, chk_Inactive = 2 };
inline constexpr EnumValueInfo kPressedValues[] = {
    {"chk_None", chk_None}, {"chk_Checked", chk_Checked}, {"chk_Inactive", chk_Inactive}};
inline constexpr EnumTypeInfo kPressedEnum{"m_Pressed", kPressedValues};
OKIT_EXPORT const EnumTypeInfo& pressed_enum();

// ---- Classes ---------------------------------------------------------------

// Miscellaneous-status bits a class registers, telling the host how to embed
// it: redraw on resize, never link inside, activate in place while visible,
// take the client site before loading; containers also hold child controls
// and never take the keyboard focus.
namespace olemisc {
inline constexpr std::uint32_t RecomposeOnResize = 0x00000001;
inline constexpr std::uint32_t CantLinkInside = 0x00000010;
inline constexpr std::uint32_t InsideOut = 0x00000080;
inline constexpr std::uint32_t ActivateWhenVisible = 0x00000100;
inline constexpr std::uint32_t NoUiActivate = 0x00004000;
inline constexpr std::uint32_t SimpleFrame = 0x00010000;
inline constexpr std::uint32_t SetClientSiteFirst = 0x00020000;

inline constexpr std::uint32_t Control =
    RecomposeOnResize | CantLinkInside | InsideOut | ActivateWhenVisible | SetClientSiteFirst;
inline constexpr std::uint32_t ContainerControl = Control | SimpleFrame | NoUiActivate;
}  // namespace olemisc

// One property of a default interface. A read-only property has a getter only.
struct OKIT_EXPORT MemberTypeInfo {
  std::string_view name;
  std::int32_t dispid = 0;
  PropType type = PropType::Variant;
  bool read_only = false;
  std::string_view help;  // one line of German for the designer
  const EnumTypeInfo* enumeration = nullptr;  // the values of an Enum-typed member
};

struct OKIT_EXPORT EventArgInfo {
  std::string_view name;
  PropType type = PropType::Variant;
};

// One event of an event interface; every argument is passed by reference.
struct OKIT_EXPORT EventTypeInfo {
  std::string_view name;
  std::int32_t dispid = 0;
  std::span<const EventArgInfo> args;
  std::string_view help;
};

// The order of the property functions in a default interface: most classes
// put each getter directly before its putter, the check box lists all
// getters first and then all putters.
enum class AccessorOrder : std::uint8_t { GetterThenPutter, AllGettersFirst };

enum class Accessor : std::uint8_t { Get, Put };

// One entry of a default interface's function list.
struct OKIT_EXPORT InterfaceFunction {
  const MemberTypeInfo* member = nullptr;
  Accessor accessor = Accessor::Get;
};

struct OKIT_EXPORT ClassTypeInfo {
  std::string_view name;
  int toolbox_bitmap_id = 0;
  bool container = false;
  std::uint32_t misc_status = 0;
  Guid class_id;
  Guid interface_id;        // the default interface
  Guid event_interface_id;  // the source interface
  AccessorOrder accessor_order = AccessorOrder::GetterThenPutter;
  std::span<const MemberTypeInfo> members;  // interface order
  std::span<const EventTypeInfo> events;    // interface order

  std::vector<InterfaceFunction> interface_functions() const;

  const MemberTypeInfo* find_member(std::string_view member_name) const;  // case-insensitive
  const MemberTypeInfo* default_member() const;                           // DISPID 0, or nullptr
  const EventTypeInfo* find_event(std::string_view event_name) const;     // case-insensitive

  // The events in the form the host's dispatch tables take, so a control
  // declares its events from this table rather than repeating them.
  std::vector<EventInfo> host_events() const;
};

// The six classes in the order the library declares them.
OKIT_EXPORT std::span<const ClassTypeInfo> opaline_classes();

}  // namespace okit
