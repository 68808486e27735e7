#include "host/elements/command_button.h"

#include "host/elements/mnemonic.h"
#include "host/elements/standard_events.h"

namespace okit {

namespace {
constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kKeySpace = 32;
}  // namespace

CommandButton::CommandButton(std::string name) : Element(std::move(name)) { take_window(); }

// The KeyDown handler runs first and may swallow the key (KeyCode = 0).
void CommandButton::key_down(std::int16_t& key_code, std::int16_t& shift) {
  auto keep_alive = shared_from_this();
  Element::key_down(key_code, shift);
  if (!alive()) return;
  if (key_code == kKeySpace)
    space_held_ = true;
  else if (key_code == kKeyEnter)
    raise("Click");
}

// Releasing Space ends the press even when the KeyUp handler swallows the
// key; only the click is cancelled then.
void CommandButton::key_up(std::int16_t& key_code, std::int16_t& shift) {
  auto keep_alive = shared_from_this();
  const bool releasing_space = key_code == kKeySpace;
  Element::key_up(key_code, shift);
  if (!alive() || !releasing_space) return;
  const bool was_pressed = space_held_;
  space_held_ = false;
  if (was_pressed && key_code == kKeySpace) raise("Click");
}

char CommandButton::access_key() const { return mnemonic_of(caption_); }

void CommandButton::activate_access_key() { raise("Click"); }

const ClassInfo& CommandButton::class_info() const {
  namespace ev = standard_events;
  static const ClassInfo info{
      "CommandButton",
      "Host",
      {
          prop<&CommandButton::Caption, &CommandButton::put_Caption>("Caption", -518, PropType::String),
          prop<&CommandButton::Default, &CommandButton::put_Default>("Default", 1, PropType::Boolean),
          prop<&CommandButton::Cancel, &CommandButton::put_Cancel>("Cancel", 2, PropType::Boolean),
      },
      {ev::click(), ev::key_down(), ev::key_press(), ev::key_up(), ev::mouse_down(), ev::mouse_move(),
       ev::mouse_up(), ev::plain_event("GotFocus", 1), ev::plain_event("LostFocus", 2)},
      &element_class_info(),
  };
  return info;
}

}  // namespace okit
