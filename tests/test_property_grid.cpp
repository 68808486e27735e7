// The property grid's rows and editors: what a row lists for each kind of
// object, how each editor reads what is typed, and that the designer keeps
// the document whole when a row refuses.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/designer/designer.h"
#include "app/designer/property_grid.h"

namespace okit {
namespace {

const PropertyRow* find_row(const std::vector<PropertyRow>& rows, std::string_view name) {
  auto found = std::find_if(rows.begin(), rows.end(), [&](const PropertyRow& row) { return row.name == name; });
  return found == rows.end() ? nullptr : &*found;
}

TEST(PropertyGrid, RowsListWhatAFormFileKeepsWithAnEditorPerType) {
  Designer d;
  d.start_new("Form1");
  d.place("chk_Opaline_CheckBox", "", 8, 8);
  const auto rows = property_rows(d.object("Check1"));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().name, "Name");
  EXPECT_TRUE(std::is_sorted(rows.begin() + 1, rows.end(),
                             [](const PropertyRow& a, const PropertyRow& b) { return a.name < b.name; }));
  // Read-only values are not rows; every writable one of the interface is,
  // the default member's second name too.
  EXPECT_EQ(find_row(rows, "hWnd"), nullptr);
  EXPECT_NE(find_row(rows, "ReturnValue"), nullptr);
  d.place("TextBox", "", 8, 40);
  EXPECT_EQ(find_row(property_rows(d.object("Text1")), "SelStart"), nullptr);  // run-time only

  const PropertyRow* value = find_row(rows, "Value");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->editor, Editor::Choice);
  EXPECT_EQ(value->shown, "0 - chk_None");
  EXPECT_EQ(value->choices, (std::vector<std::string>{"0 - chk_None", "1 - chk_Checked", "2 - chk_Inactive"}));
  EXPECT_EQ(find_row(rows, "Enabled")->editor, Editor::Boolean);
  EXPECT_EQ(find_row(rows, "Width")->editor, Editor::Number);
  const PropertyRow* fore = find_row(rows, "ForeColor");
  EXPECT_EQ(fore->editor, Editor::Color);
  EXPECT_EQ(fore->choices.at(15), "Button Face (&H8000000F&)");

  // Host controls and the form get rows from their own tables the same way.
  EXPECT_EQ(find_row(property_rows(d.object("Text1")), "Text")->editor, Editor::Text);
  EXPECT_EQ(find_row(property_rows(d.form()), "BackColor")->shown, "Button Face (&H8000000F&)");
}

TEST(PropertyGrid, HostPropertiesThatTakeAFewValuesAreChoicesByName) {
  Designer d;
  d.start_new("Form1");
  d.place("Label", "", 8, 8);
  const PropertyRow alignment = property_row(d.object("Label1"), "Alignment");
  EXPECT_EQ(alignment.editor, Editor::Choice);
  EXPECT_EQ(alignment.shown, "0 - Left");
  EXPECT_EQ(alignment.choices, (std::vector<std::string>{"0 - Left", "1 - Right", "2 - Centre"}));
  EXPECT_EQ(read_entry(alignment, "centre"), Value(std::int32_t{2}));
  EXPECT_EQ(property_row(d.form(), "BorderStyle").shown, "2 - Sizable");
  // A number the list does not offer is the put routine's to refuse.
  EXPECT_EQ(read_entry(alignment, "5"), Value(std::int32_t{5}));
  EXPECT_THROW(d.enter("Label1", "Alignment", "5"), RuntimeError);
  d.enter("Label1", "Alignment", "1 - Right");
  EXPECT_EQ(d.object("Label1").get_property("Alignment").to_long(), 1);
}

TEST(PropertyGrid, EditorsReadTypedTextByTheirType) {
  const PropertyRow color{"ForeColor", PropType::Color, Editor::Color, "", {}};
  EXPECT_EQ(read_entry(color, "button face"), Value(static_cast<std::int32_t>(0x8000000F)));
  EXPECT_EQ(read_entry(color, "Highlight (&H8000000D&)"), Value(static_cast<std::int32_t>(0x8000000D)));
  EXPECT_EQ(read_entry(color, " &HFF00& "), Value(std::int32_t{0xFF00}));
  EXPECT_THROW(read_entry(color, "sunset"), RuntimeError);

  const PropertyRow choice{"Value", PropType::Enum, Editor::Choice, "",
                           {"0 - chk_None", "1 - chk_Checked", "2 - chk_Inactive"}};
  EXPECT_EQ(read_entry(choice, "chk_checked"), Value(std::int32_t{1}));
  EXPECT_EQ(read_entry(choice, "2 - chk_Inactive"), Value(std::int32_t{2}));
  EXPECT_EQ(read_entry(choice, "7"), Value(std::int32_t{7}));  // the check box keeps any value
  EXPECT_THROW(read_entry(choice, "chk_Maybe"), RuntimeError);

  const PropertyRow flag{"Enabled", PropType::Boolean, Editor::Boolean, "", {}};
  EXPECT_EQ(read_entry(flag, "false"), Value::boolean(false));
  EXPECT_THROW(read_entry(flag, "yes"), RuntimeError);

  const PropertyRow number{"Width", PropType::Single, Editor::Number, "", {}};
  EXPECT_EQ(read_entry(number, "1200").to_double(), 1200.0);
  EXPECT_THROW(read_entry(number, "True"), RuntimeError);
  EXPECT_THROW(read_entry(number, "12px"), RuntimeError);

  // Text is taken as typed: quotes are characters, not delimiters.
  const PropertyRow text{"Caption", PropType::String, Editor::Text, "", {}};
  EXPECT_EQ(read_entry(text, " \"OK\" "), Value(" \"OK\" "));
}

TEST(PropertyGrid, ARefusedEntryLeavesTheDocumentAndItsUndoAsTheyWere) {
  Designer d;
  d.start_new("Form1");
  d.place("cmd_Opaline_Button", "", 8, 8);
  const std::string before = d.text();
  for (const auto& [property, entered] : std::vector<std::pair<std::string, std::string>>{
           {"Width", "-30"}, {"Width", "wide"}, {"ForeColor", "sunset"}, {"Name", "Form1"}, {"Name", "2x"}}) {
    try {
      d.enter("Command1", property, entered);
      ADD_FAILURE() << property << " took " << entered;
    } catch (const RuntimeError& error) {
      EXPECT_FALSE(grid_message("Command1." + property, error).empty());
    }
    EXPECT_EQ(d.text(), before) << property << " = " << entered;
  }
  ASSERT_TRUE(d.undo());  // the placing, not a refused entry
  EXPECT_EQ(d.form().find_control("Command1"), nullptr);
}

TEST(PropertyGrid, RenamingKeepsTheSelectionAndUndoes) {
  Designer d;
  d.start_new("Form1");
  d.place("cmd_Opaline_Button", "", 8, 8);
  d.enter("Command1", "Name", "cmdOK");
  EXPECT_EQ(d.selection(), std::vector<std::string>{"cmdOK"});
  EXPECT_NE(d.text().find("cmd_Opaline_Button cmdOK"), std::string::npos);
  d.enter("Form1", "Name", "Login");
  EXPECT_EQ(d.form().name(), "Login");
  ASSERT_TRUE(d.undo());
  ASSERT_TRUE(d.undo());
  EXPECT_EQ(d.selection(), std::vector<std::string>{"Command1"});
  EXPECT_EQ(d.form().name(), "Form1");
}

}  // namespace
}  // namespace okit
