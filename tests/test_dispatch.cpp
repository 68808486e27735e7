#include <gtest/gtest.h>

#include "host/dispatch.h"
#include "host_testing.h"

namespace okit {
namespace {

using testing::raised_error;

// A small object with one property of each kind the tables must handle: a
// typed default member, a string, a read-only value and, through the
// fallback table, a Variant the host adds to every object.
class Gauge : public Dispatch {
 public:
  std::int16_t get_Level() const { return level_; }
  void put_Level(std::int16_t level) { level_ = level; }
  std::string get_Label() const { return label_; }
  void put_Label(const std::string& label) { label_ = label; }
  std::int32_t get_Serial() const { return 4711; }
  Value get_Tag() const { return tag_; }
  void put_Tag(Value tag) { tag_ = std::move(tag); }
  const ClassInfo& class_info() const override;

 private:
  std::int16_t level_ = 0;
  std::string label_;
  Value tag_;
};

const ClassInfo kHostExtras{"Extras", "Host", {prop<&Gauge::get_Tag, &Gauge::put_Tag>("Tag", 900, PropType::Variant)}, {}};

const ClassInfo kGaugeClass{
    "Gauge",
    "OpalineKit",
    {prop<&Gauge::get_Level, &Gauge::put_Level>("Level", 0, PropType::Integer),
     prop<&Gauge::get_Label, &Gauge::put_Label>("Label", 1, PropType::String),
     prop<&Gauge::get_Serial>("Serial", 2, PropType::Long)},
    {EventInfo{"Changed", 1, {PropType::Integer}}},
    &kHostExtras,
};

const ClassInfo& Gauge::class_info() const { return kGaugeClass; }

TEST(Dispatch, LookupIgnoresCaseAndFollowsTheFallback) {
  EXPECT_TRUE(equals_ignore_case("BackColor", "backCOLOR"));
  EXPECT_FALSE(equals_ignore_case("Level", "Levels"));
  EXPECT_FALSE(equals_ignore_case("Level", "Lever"));

  const PropertyInfo* level = kGaugeClass.find_property("LEVEL");
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->name, "Level");
  EXPECT_EQ(kGaugeClass.find_property(std::int32_t{0}), level);
  EXPECT_EQ(kGaugeClass.default_member(), level);
  EXPECT_EQ(kGaugeClass.find_property("tag"), &kHostExtras.properties[0]);
  EXPECT_EQ(kGaugeClass.find_property(std::int32_t{900}), &kHostExtras.properties[0]);
  EXPECT_EQ(kGaugeClass.find_property("Gauge"), nullptr);
  EXPECT_EQ(kHostExtras.find_property("Level"), nullptr);  // the fallback does not look back
  EXPECT_EQ(kHostExtras.default_member(), nullptr);
  ASSERT_NE(kGaugeClass.find_event("changed"), nullptr);
  EXPECT_EQ(kGaugeClass.find_event("Change"), nullptr);
}

TEST(Dispatch, DefaultMemberAnswersTheEmptyName) {
  Gauge gauge;
  gauge.put_property("", Value(std::int16_t{5}));
  EXPECT_EQ(gauge.get_Level(), 5);
  EXPECT_EQ(gauge.get_property(""), Value(std::int16_t{5}));
  gauge.put_property(std::int32_t{0}, Value(std::int16_t{6}));
  EXPECT_EQ(gauge.get_property(std::int32_t{0}), Value(std::int16_t{6}));
}

TEST(Dispatch, UnknownAndReadOnlyMembersRaiseClassicErrors) {
  Gauge gauge;
  EXPECT_EQ(raised_error([&] { gauge.get_property("Colour"); }), err::NoSuchMember);
  EXPECT_EQ(raised_error([&] { gauge.put_property("Colour", 1); }), err::NoSuchMember);
  EXPECT_EQ(raised_error([&] { gauge.get_property(std::int32_t{77}); }), err::NoSuchMember);
  EXPECT_EQ(raised_error([&] { gauge.put_property(std::int32_t{77}, 1); }), err::NoSuchMember);
  EXPECT_EQ(raised_error([&] { gauge.put_property("serial", 1); }), err::ReadOnlyProperty);
  EXPECT_EQ(raised_error([&] { gauge.put_property(std::int32_t{2}, 1); }), err::ReadOnlyProperty);
  EXPECT_EQ(gauge.get_property("Serial"), Value(std::int32_t{4711}));
}

TEST(Dispatch, PutConvertsToThePropertyType) {
  Gauge gauge;
  gauge.put_property("Level", "12");
  EXPECT_EQ(gauge.get_property("level"), Value(std::int16_t{12}));
  EXPECT_EQ(raised_error([&] { gauge.put_property("Level", "x"); }), err::TypeMismatch);
  EXPECT_EQ(raised_error([&] { gauge.put_property("Level", 40000); }), err::Overflow);
  EXPECT_EQ(gauge.get_Level(), 12);  // a failed assignment leaves the old value

  gauge.put_property("Label", 1.5);
  EXPECT_EQ(gauge.get_property("Label"), Value("1.5"));
  gauge.put_property("Tag", "12");  // a Variant keeps the subtype it is given
  EXPECT_EQ(gauge.get_property("Tag"), Value("12"));
}

}  // namespace
}  // namespace okit
