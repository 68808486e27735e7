#pragma once
// The property grid's rows: what a designer lists for one control or form,
// and how each row's editor reads what the user enters. The rows come from
// the object's property table, so every class, the library's and the host's,
// gets its grid without code of its own; the editor follows the declared type.

#include <string>
#include <string_view>
#include <vector>

#include "host/element.h"
#include "host/runtime_error.h"
#include "host/value.h"

namespace okit {

enum class Editor {
  Text,     // typed as it stands: "OK" is the two letters
  Number,   // a number, converted to the property's type
  Boolean,  // True or False
  Color,    // &HBBGGRR&, a number, or a system colour by name
  Choice,   // one value of an enumeration, by number or name
};

struct PropertyRow {
  std::string name;
  PropType type = PropType::Variant;
  Editor editor = Editor::Text;
  std::string shown;                 // the value as the row shows it
  std::vector<std::string> choices;  // what the row's list offers (Boolean, Color, Choice)
};

// The properties a designer lists for `object`: Name (which the designer
// changes itself), then by name those a form file keeps and a put routine
// writes. Pictures are left out: they come from skins, not from text.
std::vector<PropertyRow> property_rows(Element& object);

// The row of one property; RuntimeError 438 when the grid has none.
PropertyRow property_row(Element& object, std::string_view property);

// What the row's editor makes of `entered` (text typed, or a choice taken
// from the list). RuntimeError 380 when the editor cannot read it; the put
// routine may refuse the value after that.
Value read_entry(const PropertyRow& row, std::string_view entered);

// text, number, boolean, colour or choice.
std::string_view editor_word(Editor editor);

// What the grid tells the user when a row refuses what was entered:
// "Command1.Width: Invalid property value (error 380)".
std::string grid_message(std::string_view path, const RuntimeError& error);

// "Button Face (&H8000000F&)": how the grid shows a colour.
std::string describe_color(std::int32_t ole_color);

}  // namespace okit
