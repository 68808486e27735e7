#pragma once
// Typed event handlers for application code. A handler is a callable taking
// the event's arguments as references of their declared types (Integer:
// std::int16_t, Long: std::int32_t, Single: float, Double: double, Boolean:
// bool, String: std::string). The arguments are converted in, and whatever
// the handler leaves in them is converted back, so a by-reference argument
// the handler changes is what the control reads afterwards, exactly as with
// a late-bound sink.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "host/export.h"
#include "host/runtime_error.h"
#include "host/value.h"
#include "host/value_cast.h"

namespace okit {

using EventHandler = std::function<void()>;
using MouseEventHandler = std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)>;
using KeyEventHandler = std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)>;
using KeyPressEventHandler = std::function<void(std::int16_t& KeyAscii)>;

// What the host calls: the event's arguments as values.
using LateBoundHandler = std::function<void(std::span<Value> args)>;

namespace typed_events_detail {

template <typename... A, std::size_t... I>
void call(const std::function<void(A&...)>& handler, std::span<Value> args, std::index_sequence<I...>) {
  // The host raises each event with its declared arguments; a mismatch is
  // a handler attached to the wrong event.
  if (args.size() != sizeof...(A)) throw RuntimeError(err::InvalidCall);
  std::tuple<A...> typed{from_value<A>(args[I])...};
  handler(std::get<I>(typed)...);
  ((args[I] = to_value(std::get<I>(typed))), ...);
}

}  // namespace typed_events_detail

template <typename... A>
LateBoundHandler late_bound(std::function<void(A&...)> handler) {
  return [handler = std::move(handler)](std::span<Value> args) {
    typed_events_detail::call(handler, args, std::index_sequence_for<A...>{});
  };
}

// The mouse and key events the controls that take input share: a control
// class derives from this with itself as `Control`.
template <typename Control>
class OKIT_EXPORT MouseAndKeyEvents {
 public:
  void on_MouseDown(MouseEventHandler handler) { attach("MouseDown", std::move(handler)); }
  void on_MouseMove(MouseEventHandler handler) { attach("MouseMove", std::move(handler)); }
  void on_MouseUp(MouseEventHandler handler) { attach("MouseUp", std::move(handler)); }
  void on_KeyDown(KeyEventHandler handler) { attach("KeyDown", std::move(handler)); }
  void on_KeyPress(KeyPressEventHandler handler) { attach("KeyPress", std::move(handler)); }
  void on_KeyUp(KeyEventHandler handler) { attach("KeyUp", std::move(handler)); }

 private:
  template <typename Handler>
  void attach(const char* event, Handler handler) {
    static_cast<Control&>(*this).on_event(event, late_bound(std::move(handler)));
  }
};

}  // namespace okit
