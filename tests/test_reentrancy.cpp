// Random sequences of scenario commands against the gallery form: input,
// ticks, property sets and resizes, with handlers that set properties, resize
// controls, pump the clock or unload the form from inside a control's own
// event. After every step the desktop must be consistent: every element
// reachable from a form is alive and knows its parent, the focus is on a
// live element of a loaded form, nothing holds the mouse with no button
// down, and a composed form has nothing left to repaint.
//
// The seed and the number of steps are fixed for CI; OKIT_REENTRANCY_SEED and
// OKIT_REENTRANCY_STEPS run others (the failing step prints its seed, step
// number and the commands so far).

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/scenario_parser.h"
#include "app/scenario_runner.h"
#include "host/paint/compositor.h"

namespace okit {
namespace {

unsigned from_environment(const char* name, unsigned fallback) {
  const char* text = std::getenv(name);
  return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

class CommandSource {
 public:
  explicit CommandSource(unsigned seed) : random_(seed) {}

  std::string next() {
    switch (pick(12)) {
      case 0: return "mouse move " + point();
      case 1: return std::string("mouse ") + (pick(2) ? "down" : "up") + (pick(4) == 0 ? " right" : "");
      case 2: return "click " + point();
      case 3: return "dblclick " + point();
      case 4: return "key " + one_of(kKeys);
      case 5: return "tick " + std::to_string(1 + pick(40));
      case 6: return "set " + one_of(kControls) + "." + one_of(kProperties) + " " + one_of(kValues);
      case 7: return "resize " + one_of(kControls) + " " + size() + " " + size();
      case 8: return "focus " + one_of(kControls);
      case 9: return "activate " + one_of({"Gallery", "Other", "none"});
      case 10: return "on " + one_of(kControls) + "." + one_of(kEvents) + " " + handler_command();
      default: return "type \"" + one_of({"a", "Z9", " "}) + "\"";
    }
  }

 private:
  static inline const std::vector<std::string> kControls = {
      "Window", "BoldCheck", "ItalicCheck", "NameText", "LockedText", "FontFrame", "Tabs", "OkButton", "CancelButton"};
  static inline const std::vector<std::string> kProperties = {"Caption", "Enabled", "Value", "Text",
                                                              "Width",   "Left",    "Visible"};
  static inline const std::vector<std::string> kValues = {"\"x\"", "\"\"", "True", "False", "0", "1", "2", "32767",
                                                          "-1",    "15",   "99999"};
  static inline const std::vector<std::string> kEvents = {"Click", "Change", "MouseDown", "MouseUp", "KeyPress",
                                                          "MouseMove", "CloseWindow"};
  static inline const std::vector<std::string> kKeys = {"Tab", "Shift+Tab", "Space", "Enter", "Left", "Home",
                                                        "Back", "Delete", "A", "Alt+F", "Escape"};

  std::string handler_command() {
    switch (pick(6)) {
      case 0: return "unload Gallery";
      case 1: return "set " + one_of(kControls) + ".Caption \"inside\"";
      case 2: return "resize " + one_of(kControls) + " " + size() + " " + size();
      case 3: return "tick 5";
      case 4: return "set " + one_of(kControls) + ".Enabled " + one_of({"True", "False"});
      default: return "focus " + one_of(kControls);
    }
  }

  std::string point() { return std::to_string(90 + pick(740)) + " " + std::to_string(90 + pick(420)); }
  std::string size() { return std::to_string(one_of({0, 1, 14, 15, 60, 200, 900})); }
  unsigned pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random_); }
  template <typename T>
  T one_of(const std::vector<T>& choices) { return choices[pick(static_cast<unsigned>(choices.size()))]; }
  std::string one_of(std::initializer_list<const char*> choices) {
    return *(choices.begin() + pick(static_cast<unsigned>(choices.size())));
  }
  int one_of(std::initializer_list<int> choices) {
    return *(choices.begin() + pick(static_cast<unsigned>(choices.size())));
  }

  std::mt19937 random_;
};

// Empty when the desktop is consistent; otherwise what is wrong.
std::string inconsistency(ScenarioRunner& runner) {
  const Desktop& desktop = runner.desktop();
    std::string problem;
  for (const auto& form : desktop.forms()) {
    for_each_element(*form, [&](Element& e) {
      if (!e.alive()) problem += e.name() + " is dead but still on form " + form->name() + "; ";
      for (const auto& child : e.children())
        if (child->parent() != &e) problem += child->name() + " does not know its parent " + e.name() + "; ";
    });
  }
  if (Element* focused = desktop.focused()) {
    if (!focused->alive()) problem += "the focus is on a dead element; ";
    bool on_loaded_form = false;
    for (const auto& form : desktop.forms()) on_loaded_form = on_loaded_form || focused->form() == form.get();
    if (!on_loaded_form) problem += "the focus is on " + focused->name() + " of no loaded form; ";
  }
  if (desktop.buttons_held() == 0 && desktop.capture())
    problem += desktop.capture()->name() + " holds the mouse with no button down; ";
  for (const auto& form : desktop.forms()) {
    runner.compositor().compose(*form);
    if (!form->dirty_region().empty()) problem += "form " + form->name() + " has unpainted areas after composing; ";
  }
  return problem;
}

TEST(Reentrancy, RandomCommandSequencesKeepTheDesktopConsistent) {
  const unsigned seed = from_environment("OKIT_REENTRANCY_SEED", 20261206);
  const unsigned steps = from_environment("OKIT_REENTRANCY_STEPS", 3000);
  std::ostringstream out, err;
  ScenarioRunner runner(out, err, OKIT_SOURCE_DIR "/tests");
  std::vector<std::string> history = {"load ../examples/gallery.frm", "form Other 900 100 200 150"};
  for (const auto& line : history) runner.run(*parse_script(line, "setup"));
  ASSERT_EQ(runner.desktop().forms().size(), 2u) << out.str() << err.str();

  CommandSource source(seed);
  for (unsigned step = 0; step < steps; ++step) {
    // A handler that unloads the gallery ends most of the game: load it again.
    if (!runner.desktop().find_form("Gallery")) history.push_back("load ../examples/gallery.frm");
    else history.push_back(source.next());
    auto script = parse_script(history.back(), "random");
    ASSERT_TRUE(script.has_value()) << history.back() << ": " << script.error().to_string();
    runner.run(*script);
    const std::string problem = inconsistency(runner);
    if (!problem.empty()) {
      std::string recent;
      for (std::size_t i = history.size() > 30 ? history.size() - 30 : 0; i < history.size(); ++i)
        recent += history[i] + "\n";
      FAIL() << "seed " << seed << ", step " << step << ": " << problem << "\nlast commands:\n" << recent;
    }
  }
}

}  // namespace
}  // namespace okit
