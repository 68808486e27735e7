#include "app/designer/property_grid.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "host/paint/colors.h"
#include "host/runtime_error.h"

namespace okit {

namespace {

constexpr std::uint32_t kSystemColorFlag = 0x80000000u;

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

[[noreturn]] void cannot_read(std::string_view entered, const char* expected) {
  throw RuntimeError(err::InvalidPropertyValue, "\"" + std::string(entered) + "\" is not " + expected);
}

Editor editor_for(PropType type) {
  switch (type) {
    case PropType::Boolean: return Editor::Boolean;
    case PropType::Color: return Editor::Color;
    case PropType::Enum: return Editor::Choice;
    case PropType::Integer:
    case PropType::Long:
    case PropType::Single:
    case PropType::Double: return Editor::Number;
    default: return Editor::Text;
  }
}

// "1 - Right": a list entry names its number and its name.
std::string describe_choice(std::int32_t value, const std::vector<std::string>& choices) {
  const std::string prefix = std::to_string(value) + " - ";
  for (const auto& choice : choices)
    if (choice.starts_with(prefix)) return choice;
  return std::to_string(value);
}

std::vector<std::string> choices_for(Editor editor, std::span<const NamedValue> named) {
  std::vector<std::string> choices;
  if (editor == Editor::Boolean) choices = {"True", "False"};
  if (editor == Editor::Choice)
    for (const auto& v : named) choices.push_back(std::to_string(v.value) + " - " + std::string(v.name));
  if (editor == Editor::Color)
    for (std::size_t i = 0; i < system_colors().size(); ++i)
      choices.push_back(describe_color(static_cast<std::int32_t>(kSystemColorFlag | i)));
  return choices;
}

std::string show(const Value& value, const PropertyRow& row) {
  switch (row.editor) {
    case Editor::Text: return value.type() == VarType::String ? value.as_string() : format_value(value, row.type);
    case Editor::Color: return describe_color(value.to_long());
    case Editor::Choice: return describe_choice(value.to_long(), row.choices);
    default: return format_value(value, row.type);
  }
}

PropertyRow make_row(Element& object, const PropertyInfo& info) {
  const Editor editor = info.named_values.empty() ? editor_for(info.type) : Editor::Choice;
  PropertyRow row{std::string(info.name), info.type, editor, "", choices_for(editor, info.named_values)};
  row.shown = show(info.get(object), row);
  return row;
}

// Grid rows are what a designer edits as text: persisted, and neither a
// picture nor (Name aside, which the designer renames) read-only.
bool listed(const PropertyInfo& info) {
  if (equals_ignore_case(info.name, "Name")) return true;
  return info.persisted && !info.read_only() && info.type != PropType::Object;
}

std::optional<Value> number(std::string_view entered) {
  auto literal = parse_literal(trim(entered));
  if (!literal || !literal->is_numeric() || literal->type() == VarType::Boolean) return std::nullopt;
  return literal;
}

Value read_color(std::string_view entered) {
  std::string_view text = trim(entered);
  // A choice from the list reads "Button Face (&H8000000F&)": the name decides.
  if (const auto open = text.find(" ("); open != std::string_view::npos && text.back() == ')')
    text = text.substr(0, open);
  const auto colors = system_colors();
  for (std::size_t i = 0; i < colors.size(); ++i)
    if (equals_ignore_case(colors[i].name, text)) return Value(static_cast<std::int32_t>(kSystemColorFlag | i));
  if (auto n = number(text)) return Value(n->to_long());
  cannot_read(entered, "a colour");
}

// A number, or the name of one of the row's choices ("Right", or the whole
// entry "1 - Right" as the list offers it).
Value read_choice(const PropertyRow& row, std::string_view entered) {
  std::string_view text = trim(entered);
  if (const auto dash = text.find(" - "); dash != std::string_view::npos) text = text.substr(0, dash);
  for (std::string_view choice : row.choices) {
    const auto dash = choice.find(" - ");
    if (dash != std::string_view::npos && equals_ignore_case(choice.substr(dash + 3), text))
      text = choice.substr(0, dash);
  }
  if (auto n = number(text)) return Value(n->to_long());
  cannot_read(entered, "one of the values");
}

}  // namespace

std::string_view editor_word(Editor editor) {
  switch (editor) {
    case Editor::Text: return "text";
    case Editor::Number: return "number";
    case Editor::Boolean: return "boolean";
    case Editor::Color: return "colour";
    case Editor::Choice: return "choice";
  }
  return "text";
}

std::string grid_message(std::string_view path, const RuntimeError& error) {
  return std::string(path) + ": " + error.what() + " (error " + std::to_string(error.number()) + ")";
}

std::string describe_color(std::int32_t ole_color) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "&H%08X&", static_cast<std::uint32_t>(ole_color));
  const auto value = static_cast<std::uint32_t>(ole_color);
  const auto colors = system_colors();
  if ((value & 0xFF000000u) == kSystemColorFlag && (value & 0xFFFFFFu) < colors.size())
    return std::string(colors[value & 0xFFFFFFu].name) + " (" + hex + ")";
  return hex;
}

std::vector<PropertyRow> property_rows(Element& object) {
  std::vector<PropertyRow> rows;
  for (const ClassInfo* table = &object.class_info(); table; table = table->fallback)
    for (const auto& info : table->properties) {
      const bool seen = std::any_of(rows.begin(), rows.end(),
                                    [&](const PropertyRow& row) { return equals_ignore_case(row.name, info.name); });
      if (!seen && listed(info)) rows.push_back(make_row(object, info));
    }
  std::sort(rows.begin(), rows.end(), [](const PropertyRow& a, const PropertyRow& b) {
    const bool a_name = a.name == "Name", b_name = b.name == "Name";
    return a_name != b_name ? a_name : a.name < b.name;
  });
  return rows;
}

PropertyRow property_row(Element& object, std::string_view property) {
  const PropertyInfo* info = object.class_info().find_property(property);
  if (!info || !listed(*info)) throw RuntimeError(err::NoSuchMember);
  return make_row(object, *info);
}

Value read_entry(const PropertyRow& row, std::string_view entered) {
  switch (row.editor) {
    case Editor::Text: return Value(std::string(entered));
    case Editor::Number:
      if (auto n = number(entered)) return *n;
      cannot_read(entered, "a number");
    case Editor::Boolean:
      if (equals_ignore_case(trim(entered), "True")) return Value::boolean(true);
      if (equals_ignore_case(trim(entered), "False")) return Value::boolean(false);
      cannot_read(entered, "True or False");
    case Editor::Color: return read_color(entered);
    case Editor::Choice: return read_choice(row, entered);
  }
  cannot_read(entered, "a value");
}

}  // namespace okit
