// Scenario commands that drive the mouse, the keyboard, an input method, focus
// and activation.

#include "app/key_names.h"
#include "app/scenario_parser.h"
#include "app/scenario_runner.h"
#include "host/typed_text.h"
#include "host/utf8.h"

namespace okit {

namespace {

std::int16_t button_of(const ScenarioCommand& c) {
  if (c.args.size() < 2 || equals_ignore_case(c.args[1], "left")) return mouse_button::Left;
  return equals_ignore_case(c.args[1], "right") ? mouse_button::Right : mouse_button::Middle;
}

Point point_arg(const ScenarioCommand& c, std::size_t first) {
  return {std::stoi(c.args[first]), std::stoi(c.args[first + 1])};
}

void full_key(Desktop& desktop, const KeyStroke& stroke) {
  desktop.key_down(stroke.key_code, stroke.shift);
  if (const std::int16_t typed = typed_character(stroke)) desktop.key_press(typed);
  desktop.key_up(stroke.key_code, stroke.shift);
}

// The TEXT of `type`, `compose` and `commit`; the parser made sure it is a string.
std::string text_arg(const ScenarioCommand& c) { return parse_literal(c.args[0])->as_string(); }

}  // namespace

void ScenarioRunner::cmd_mouse(const ScenarioCommand& c) {
  if (equals_ignore_case(c.args[0], "move"))
    backend_.mouse_move(point_arg(c, 1));
  else if (equals_ignore_case(c.args[0], "down"))
    desktop_.mouse_down(button_of(c));
  else
    desktop_.mouse_up(button_of(c));
}

void ScenarioRunner::cmd_click(const ScenarioCommand& c, bool twice) {
  // A click is a click whatever came before: it never joins an earlier press.
  desktop_.forget_last_press();
  backend_.mouse_move(point_arg(c, 0));
  for (int i = 0; i < (twice ? 2 : 1); ++i) {
    desktop_.mouse_down(mouse_button::Left);
    desktop_.mouse_up(mouse_button::Left);
  }
}

void ScenarioRunner::cmd_key(const ScenarioCommand& c) {
  const KeyStroke stroke = *parse_key(c.args[0]);
  if (c.verb == "keydown")
    desktop_.key_down(stroke.key_code, stroke.shift);
  else if (c.verb == "keyup")
    desktop_.key_up(stroke.key_code, stroke.shift);
  else
    full_key(desktop_, stroke);
}

void ScenarioRunner::cmd_type(const ScenarioCommand& c) {
  const std::string text = text_arg(c);
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t ch = next_code_point(text, pos);
    if (ch < 0x80) {
      if (const auto stroke = stroke_for_character(static_cast<char>(ch))) {
        full_key(desktop_, *stroke);
        continue;
      }
    }
    // Characters no key of the layout types arrive as typed text alone.
    for (const std::int16_t unit : typed_characters(encode_utf8(ch))) desktop_.key_press(unit);
  }
}

void ScenarioRunner::cmd_input_method(const ScenarioCommand& c) {
  if (c.verb == "compose")
    desktop_.compose_text(text_arg(c));
  else
    desktop_.commit_text(text_arg(c));
}

void ScenarioRunner::cmd_focus(const ScenarioCommand& c) {
  Element* control = find_control(c.args[0]);
  if (!control) throw RuntimeError(err::ObjectRequired);
  desktop_.set_focus(*control);
}

void ScenarioRunner::cmd_activate(const ScenarioCommand& c) {
  if (equals_ignore_case(c.args[0], "none")) {
    desktop_.activate(nullptr);
    return;
  }
  Form* form = find_form(c.args[0]);
  if (!form) throw RuntimeError(err::ObjectRequired);
  desktop_.activate(form);
}

}  // namespace okit
