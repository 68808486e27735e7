#include "app/form_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "app/silent_application.h"
#include "host/desktop.h"
#include "host/elements/command_button.h"
#include "host/elements/label.h"
#include "host/elements/mnemonic.h"
#include "host/font.h"
#include "host/form_loader.h"
#include "host/user_control.h"
#include "host/utf8.h"

namespace okit {

namespace {

struct Problem {
  int line = 0;
  std::string kind;     // a fixed word a script can match: "overlap", "caption-fit", ...
  std::string control;  // the control it is about, or the form's name
  std::string message;
};

// ---- Control characters in strings -----------------------------------------------

// "U+0007": how a finding names a character.
std::string code_point_name(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

// The control characters other than tab that a string holds, each named once
// in the order they first appear, or "" for none. Loading keeps them, but
// text shows none of them, so the form probably does not look as meant.
std::string control_characters_in(std::string_view text) {
  std::vector<char32_t> found;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = next_code_point(text, pos);
    if (c != U'\t' && is_control_character(c) && std::ranges::find(found, c) == found.end()) found.push_back(c);
  }
  if (found.empty()) return "";
  std::string names = found.size() == 1 ? "the control character " : "the control characters ";
  for (std::size_t i = 0; i < found.size(); ++i) names += (i == 0 ? "" : ", ") + code_point_name(found[i]);
  return names;
}

// ---- Values that load changed ---------------------------------------------------

// Loading refuses a value that does not convert at all, but rounds a
// fractional number given to a whole-number property without a word, and
// casts the host's TabIndex and the form's BorderStyle and BackColor to their
// field's width unchecked. Returns what is wrong with such a value.
std::optional<std::string> lost_in_conversion(const Value& value, PropType type) {
  double low = 0, high = 0;
  std::string type_name;
  switch (type) {
    case PropType::Integer:
      low = std::numeric_limits<std::int16_t>::min(), high = std::numeric_limits<std::int16_t>::max();
      type_name = "an Integer";
      break;
    case PropType::Long:
    case PropType::Color:
    case PropType::Enum:
      low = std::numeric_limits<std::int32_t>::min(), high = std::numeric_limits<std::int32_t>::max();
      type_name = "a Long";
      break;
    default: return std::nullopt;
  }
  double x = 0;
  try {
    x = value.to_double();
  } catch (const RuntimeError&) {
    return std::nullopt;  // loading itself refuses it
  }
  if (!(x >= low && x <= high))
    return "does not fit " + type_name + " (" + format_value(low) + " to " + format_value(high) + ")";
  if (x != std::trunc(x)) return "is not a whole number";
  return std::nullopt;
}

// The type a key of the form (no probe) or of a control is converted to.
std::optional<PropType> declared_type(const Element* probe, const std::string& key) {
  if (!probe) {
    if (const PropertyInfo* property = Form::saved_property(key)) return property->type;
    return std::nullopt;
  }
  if (equals_ignore_case(key, "TabIndex")) return PropType::Integer;
  if (const PropertyInfo* info = probe->class_info().find_property(key)) return info->type;
  return std::nullopt;
}

void check_values(const Desktop* desktop, const FormBlock& block, bool is_form, std::vector<Problem>& problems) {
  std::shared_ptr<Element> probe;
  if (!is_form) probe = create_control(desktop, block.library, block.class_name);  // loading created it already
  for (const auto& p : block.properties) {
    if (p.value.type() == VarType::String) {
      const std::string controls = control_characters_in(p.value.as_string());
      if (!controls.empty())
        problems.push_back(
            {p.line, "control-character", block.name, p.key + " of " + block.name + " holds " + controls});
    }
    const auto type = declared_type(probe.get(), p.key);
    if (!type) continue;
    if (auto loss = lost_in_conversion(p.value, *type))
      problems.push_back(
          {p.line, "conversion", block.name, "value " + format_value(p.value) + " of " + p.key + " " + *loss});
  }
  for (const auto& child : block.children) check_values(desktop, child, false, problems);
}

// ---- Captions under text scaling -------------------------------------------------

// 100% first: a caption that is cut off already is reported as such.
constexpr int kTextScales[] = {100, 125, 150, 200};
// A command button draws its caption inside a two-pixel bevel on each side.
constexpr int kButtonBevel = 2;

// A caption as it shows on screen, its width in the form's font at 100% and
// the width it may take, in pixels.
struct ShownCaption {
  std::string text;
  int width = 0;
  int room = 0;
};

int needed_at(int width, int percent) { return (width * percent + 99) / 100; }

// The widest of the pieces between any of the separators.
int widest_piece(std::string_view text, std::string_view separators, bool bold) {
  int widest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    widest = std::max(widest, default_font().text_width(text.substr(start, end - start), bold));
    start = end + 1;
  }
  return widest;
}

// Where a control's captions must end: a control that sizes itself to its
// caption (AutoSize) may grow to its container's right edge; any other ends
// at its own.
int caption_limit(Element& control) {
  const PropertyInfo* auto_size = control.class_info().find_property("AutoSize");
  if (auto_size && control.get_property("AutoSize").to_bool()) {
    const Element& container = *control.parent();
    return container.screen_origin().x + container.pixel_rect().width();
  }
  return control.screen_rect().right;
}

// A label that sizes itself to one line grows to the limit; any other keeps
// its width, cut at the control's edge. A label that wraps onto further lines
// (WordWrap with AutoSize, or no AutoSize and room for two lines) breaks
// between words, so only its widest word must fit.
ShownCaption label_caption(const Label& label, int control_right, int limit) {
  const std::string shown = label.UseMnemonic() ? strip_mnemonic(label.Caption()) : label.Caption();
  const Rect r = label.screen_rect();
  const bool grows = label.AutoSize() && !label.WordWrap();
  const bool wraps = label.AutoSize() ? label.WordWrap() : r.height() >= 2 * default_font().line_height();
  const int width = widest_piece(shown, wraps ? " \r\n" : "\r\n", label.FontBold());
  return {shown, width, (grows ? limit : std::min(r.right, control_right)) - r.left};
}

// The captions a library control shows: its labels and the text it printed.
// Controls placed inside it are checked on their own.
void collect_inner_captions(const Element& element, int control_right, int limit, std::vector<ShownCaption>& out) {
  for (const auto& child : element.children()) {
    if (child->role() == ElementRole::Control || !child->visible()) continue;
    if (const auto* label = dynamic_cast<const Label*>(child.get()))
      out.push_back(label_caption(*label, control_right, limit));
    collect_inner_captions(*child, control_right, limit, out);
  }
}

std::vector<ShownCaption> shown_captions(Element& control) {
  std::vector<ShownCaption> captions;
  const int limit = caption_limit(control);
  if (const auto* label = dynamic_cast<const Label*>(&control)) {
    captions.push_back(label_caption(*label, control.screen_rect().right, limit));
  } else if (const auto* button = dynamic_cast<const CommandButton*>(&control)) {
    const std::string shown = strip_mnemonic(button->Caption());
    const int room = control.pixel_rect().width() - 2 * kButtonBevel;
    captions.push_back({shown, default_font().text_width(shown, false), room});
  } else if (const auto* surface = dynamic_cast<const UserControl*>(&control)) {
    collect_inner_captions(control, control.screen_rect().right, limit, captions);
    for (const auto& printed : surface->printed())
      captions.push_back({printed.text, default_font().text_width(printed.text, false),
                          control.pixel_rect().width() - printed.at.x});
  }
  return captions;
}

// The first caption that stops fitting, at the smallest scale where one does.
std::optional<std::string> caption_misfit(Element& control) {
  const auto captions = shown_captions(control);
  for (int percent : kTextScales) {
    for (const auto& caption : captions) {
      const int needed = needed_at(caption.width, percent);
      if (caption.text.empty() || needed <= caption.room) continue;
      const std::string where = percent == 100 ? "does not fit" : "no longer fits at " + std::to_string(percent) + "%";
      return control.name() + ": caption " + format_value(Value(caption.text)) + " " + where + " (needs " +
             std::to_string(needed) + " px, has " + std::to_string(caption.room) + ")";
    }
  }
  return std::nullopt;
}

// ---- Layout, keys and tab order ---------------------------------------------------

bool overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Each control's Begin line, in the order Form::controls() lists them
// (depth first, file order).
void collect_lines(const FormBlock& block, std::vector<int>& lines) {
  for (const auto& child : block.children) {
    lines.push_back(child.line);
    collect_lines(child, lines);
  }
}

std::string tab_gap_text(int first, int last) {
  const std::string missing =
      first == last ? std::to_string(first) : std::to_string(first) + " to " + std::to_string(last);
  return "tab order has a gap: no control has TabIndex " + missing;
}

class Checker {
 public:
  Checker(Form& form, const FormBlock& top, std::vector<Problem>& problems) : form_(form), problems_(problems) {
    std::vector<int> lines;
    collect_lines(top, lines);
    const auto controls = form.controls();
    for (std::size_t i = 0; i < controls.size() && i < lines.size(); ++i) line_of_[controls[i]] = lines[i];
    form_line_ = top.line;
  }

  void check_geometry() {
    for (Element* control : form_.controls()) {
      const Rect r = control->pixel_rect();
      const Element* container = control->parent();
      const Rect inside{0, 0, container->pixel_rect().width(), container->pixel_rect().height()};
      if (r.left < inside.left || r.top < inside.top || r.right > inside.right || r.bottom > inside.bottom)
        add(*control, "clipped", control->name() + " is clipped by " + container->name());
      for (const auto& sibling : container->children()) {
        if (sibling.get() == control) break;  // each pair once, reported at the later one
        if (sibling->role() == ElementRole::Control && overlap(r, sibling->pixel_rect()))
          add(*control, "overlap", control->name() + " overlaps " + sibling->name());
      }
    }
  }

  void check_access_keys() {
    std::map<char, Element*> seen;
    for (Element* control : form_.controls()) {
      const char key = control->access_key();
      if (key == 0) continue;
      auto [it, added] = seen.emplace(key, control);
      if (!added)
        add(*control, "access-key",
            control->name() + " has the access key '" + std::string(1, key) + "' of " + it->second->name());
    }
  }

  // Tab indexes count up from 0; every missing run and every index taken
  // twice is reported (a negative index is no gap).
  void check_tab_order() {
    std::map<int, Element*> first_with;
    for (Element* control : form_.controls()) {
      auto [it, added] = first_with.emplace(control->tab_index(), control);
      if (!added)
        add(*control, "tab-duplicate",
            control->name() + " has TabIndex " + std::to_string(it->first) + ", as " + it->second->name() + " does");
    }
    int expected = 0;
    for (const auto& [index, control] : first_with) {
      if (index > expected)
        problems_.push_back({form_line_, "tab-gap", form_.name(), tab_gap_text(expected, index - 1)});
      expected = std::max(expected, index + 1);
    }
  }

  void check_captions() {
    for (Element* control : form_.controls())
      if (auto misfit = caption_misfit(*control)) add(*control, "caption-fit", *misfit);
  }

 private:
  void add(Element& control, const char* kind, std::string message) {
    problems_.push_back({line_of_.at(&control), kind, control.name(), std::move(message)});
  }

  Form& form_;
  std::vector<Problem>& problems_;
  std::map<Element*, int> line_of_;
  int form_line_ = 0;
};

// ---- Output -------------------------------------------------------------------------

// A JSON string: quotes, backslashes and control characters escaped, other
// text passed through as UTF-8, malformed bytes as U+FFFD so the document
// stays valid whatever a path holds.
void write_json_string(std::ostream& out, std::string_view text) {
  out << '"';
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const char32_t c = next_code_point(text, pos);
    if (c == '"' || c == '\\') {
      out << '\\' << static_cast<char>(c);
    } else if (c == '\n') {
      out << "\\n";
    } else if (c == '\r') {
      out << "\\r";
    } else if (c == '\t') {
      out << "\\t";
    } else if (c < 0x20 || c == kReplacementCharacter) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out << escaped;
    } else {
      out << text.substr(start, pos - start);
    }
  }
  out << '"';
}

void write_json(std::ostream& out, const std::string& file, const std::vector<Problem>& problems) {
  out << "{\"file\": ";
  write_json_string(out, file);
  out << ", \"problems\": [";
  for (std::size_t i = 0; i < problems.size(); ++i) {
    const Problem& p = problems[i];
    out << (i == 0 ? "\n  " : ",\n  ") << "{\"line\": " << p.line << ", \"kind\": ";
    write_json_string(out, p.kind);
    out << ", \"control\": ";
    write_json_string(out, p.control);
    out << ", \"message\": ";
    write_json_string(out, p.message);
    out << '}';
  }
  out << (problems.empty() ? "]}\n" : "\n]}\n");
}

// Everything found in a form that loaded, in line order.
std::vector<Problem> find_problems(Form& form, const FormDocument& doc, const std::vector<UnreadKey>& unread) {
  std::vector<Problem> problems;
  for (const auto& key : unread)
    problems.push_back({key.line, "unknown-key", key.control, "unknown property " + key.key + " of " + key.control});
  check_values(form.desktop(), doc.form, true, problems);
  Checker checker(form, doc.form, problems);
  checker.check_geometry();
  checker.check_access_keys();
  checker.check_tab_order();
  checker.check_captions();
  std::stable_sort(problems.begin(), problems.end(),
                   [](const Problem& a, const Problem& b) { return a.line < b.line; });
  return problems;
}

}  // namespace

int check_form_file(const std::string& path, std::ostream& out, std::ostream& err, CheckOutput output) {
  auto doc = read_form_file(path);
  if (!doc) {
    err << doc.error().to_string() << '\n';
    return 2;
  }
  QuietDesktop quiet;
  std::vector<UnreadKey> unread;
  auto loaded = load_form(quiet.desktop(), *doc, path, &unread);
  if (!loaded) {
    err << loaded.error().to_string() << '\n';
    return 2;
  }
  const auto problems = find_problems(**loaded, *doc, unread);
  if (output == CheckOutput::Json) {
    write_json(out, path, problems);
  } else {
    for (const auto& p : problems) out << path << ':' << p.line << ": warning: " << p.message << '\n';
  }
  return problems.empty() ? 0 : 1;
}

}  // namespace okit
