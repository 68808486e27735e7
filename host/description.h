#pragma once
// What an element is to someone who cannot see it: the one way a control
// tells code that knows no control (a screen reader bridge, the semantic
// tree, a review sheet) what it is, what it holds and what it offers. The
// host describes its own element kinds; each control describes itself.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/export.h"

namespace okit {

struct OKIT_EXPORT DescribedState {
  bool focused = false;
  bool disabled = false;
  bool hidden = false;
  bool pressed = false;
  bool checked = false;
  bool mixed = false;
  bool selected = false;
  bool read_only = false;
  bool password = false;
  bool active = false;
};

// Something a user can do to the element, and what doing it means.
struct OKIT_EXPORT DescribedAction {
  std::string name;    // "press", "toggle", "select"
  std::string effect;  // a sentence for a person: "Shows the second tab."
  // Does it as the user would. Safe to call after the element is gone
  // (it then does nothing).
  std::function<void()> perform;
};

struct OKIT_EXPORT Description {
  // What kind of thing it is: window, button, checkbox, textbox, group,
  // tablist, tab, label, image, picture, element; empty for something
  // nobody can see or reach (a timer).
  std::string role;
  std::string name;
  // What it holds, if anything: text a user typed or chose, shown quoted,
  // or a word naming a setting ("checked"), shown as it is.
  std::optional<std::string> value;
  bool value_is_text = true;
  DescribedState states;
  std::vector<DescribedAction> actions;
  char access_key = 0;  // lower case; 0 for none
  // The parts a user moves between inside it (a tab strip's tabs), in
  // reading order. Controls placed inside a container are not its parts.
  std::vector<Description> children;

  const DescribedAction* find_action(std::string_view action_name) const;
};

}  // namespace okit
