// Control records and the library's member rows are joined by name: a
// record that names a member the library lacks, misses one it has, or
// disagrees on read-only stops the program at start-up, naming both sides.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "library/class_registry.h"

namespace okit {
namespace {

const ControlRecord& registered(std::string_view class_name) {
  for (const ControlRecord* record : class_registry().records())
    if (record->class_name == class_name) return *record;
  throw std::logic_error("no record for " + std::string(class_name));
}

// The message bind_record throws for `record`, or "" when it binds.
std::string binding_error(const ControlRecord& record) {
  try {
    bind_record(record);
  } catch (const std::logic_error& error) {
    return error.what();
  }
  return "";
}

TEST(ControlRecords, EveryRegisteredRecordBindsToTheLibrarysRows) {
  ASSERT_EQ(class_registry().records().size(), opaline_classes().size());
  for (const ControlRecord* record : class_registry().records()) EXPECT_EQ(binding_error(*record), "");
}

TEST(ControlRecords, AMemberTheLibraryLacksIsRefusedByName) {
  ControlRecord record = registered("cmd_Opaline_Button");
  record.accessors[1].name = "Captoin";  // the Caption accessor, misspelt
  const std::string error = binding_error(record);
  EXPECT_NE(error.find("cmd_Opaline_Button"), std::string::npos) << error;
  EXPECT_NE(error.find("Captoin"), std::string::npos) << error;
  EXPECT_THROW(class_registry().register_control(record), std::logic_error);
}

TEST(ControlRecords, AMemberOfTheLibraryWithoutAccessorIsRefused) {
  ControlRecord record = registered("chk_Opaline_CheckBox");
  std::erase_if(record.accessors, [](const PropertyInfo& a) { return a.name == "Inactive"; });
  EXPECT_NE(binding_error(record).find("Inactive"), std::string::npos);
}

TEST(ControlRecords, ReadOnlyMustAgreeWithTheLibrary) {
  ControlRecord record = registered("txt_Opaline_opal");
  auto hwnd = std::ranges::find(record.accessors, std::string_view("hwnd"), &PropertyInfo::name);
  hwnd->put = [](Dispatch&, const Value&) {};
  EXPECT_NE(binding_error(record).find("hwnd"), std::string::npos);
}

TEST(ControlRecords, BoundTableTakesIdentifiersTypesAndEnumerationsFromTheLibrary) {
  const ClassInfo bound = bind_record(registered("chk_Opaline_CheckBox"));
  const PropertyInfo* value = bound.find_property("Value");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->dispid, 0x68030000);
  EXPECT_EQ(value->type, PropType::Enum);
  ASSERT_EQ(value->named_values.size(), 3u);
  EXPECT_EQ(value->named_values[2].name, "chk_Inactive");
  EXPECT_EQ(bound.default_member()->name, "ReturnValue");
}

}  // namespace
}  // namespace okit
