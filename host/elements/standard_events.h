#pragma once
// The classic events that several element kinds share, with their standard
// identifiers and argument types, so each kind's table lists them by name
// instead of repeating the argument lists.

#include "host/dispatch.h"

namespace okit::standard_events {

inline EventInfo click() { return {"Click", -600, {}}; }
inline EventInfo dbl_click() { return {"DblClick", -601, {}}; }
inline EventInfo key_down() { return {"KeyDown", -602, {PropType::Integer, PropType::Integer}}; }
inline EventInfo key_press() { return {"KeyPress", -603, {PropType::Integer}}; }
inline EventInfo key_up() { return {"KeyUp", -604, {PropType::Integer, PropType::Integer}}; }

// Mouse events pass Button, Shift, X, Y.
inline EventInfo mouse_event(std::string_view name, std::int32_t dispid) {
  return {name, dispid, {PropType::Integer, PropType::Integer, PropType::Single, PropType::Single}};
}
inline EventInfo mouse_down() { return mouse_event("MouseDown", -605); }
inline EventInfo mouse_move() { return mouse_event("MouseMove", -606); }
inline EventInfo mouse_up() { return mouse_event("MouseUp", -607); }

// Focus and change notifications have no standard identifiers; each kind
// that raises them gives its own.
inline EventInfo plain_event(std::string_view name, std::int32_t dispid) { return {name, dispid, {}}; }

}  // namespace okit::standard_events
