#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "host/value.h"
#include "host_testing.h"

namespace okit {
namespace {

using testing::raised_error;

TEST(ValueConversion, FloatToIntegerRoundsHalvesToEven) {
  EXPECT_EQ(Value(2.5).to_integer(), 2);
  EXPECT_EQ(Value(3.5).to_integer(), 4);
  EXPECT_EQ(Value(-2.5).to_integer(), -2);
  EXPECT_EQ(Value(-3.5).to_integer(), -4);
  EXPECT_EQ(Value(0.5).to_integer(), 0);
  EXPECT_EQ(Value(2.4999999).to_integer(), 2);
  EXPECT_EQ(Value(2.5f).to_long(), 2);
  EXPECT_EQ(Value(-7.5f).to_long(), -8);
  EXPECT_EQ(round_half_even(0.49999999999999994), 0);
  EXPECT_EQ(round_half_even(4503599627370497.0), 4503599627370497.0);  // beyond the last fraction bit
}

TEST(ValueConversion, IntegerRangeIsCheckedAfterRounding) {
  EXPECT_EQ(Value(32767.4).to_integer(), 32767);
  EXPECT_EQ(raised_error([] { Value(32767.5).to_integer(); }), err::Overflow);
  EXPECT_EQ(Value(-32768.5).to_integer(), -32768);  // the even neighbour is in range
  EXPECT_EQ(raised_error([] { Value(-32769).to_integer(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value(std::int32_t{40000}).to_integer(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value(std::nan("")).to_integer(); }), err::Overflow);
}

TEST(ValueConversion, LongBounds) {
  EXPECT_EQ(Value(2147483647.0).to_long(), 2147483647);
  EXPECT_EQ(Value(-2147483648.0).to_long(), INT32_MIN);
  EXPECT_EQ(Value(2147483646.5).to_long(), 2147483646);
  EXPECT_EQ(raised_error([] { Value(2147483647.5).to_long(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value(-2147483649.0).to_long(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value("2147483648").to_long(); }), err::Overflow);
}

TEST(ValueConversion, StringsReadAsNumbers) {
  EXPECT_EQ(Value(" 12 ").to_integer(), 12);
  EXPECT_EQ(Value("\t-7.5").to_integer(), -8);
  EXPECT_EQ(Value("1E3").to_integer(), 1000);
  EXPECT_EQ(Value("&HFF").to_integer(), 255);
  EXPECT_EQ(Value("&H80000008&").to_long(), -2147483640);
  EXPECT_EQ(Value("+.5").to_double(), 0.5);
  EXPECT_EQ(Value("1E-400").to_double(), 0.0);
  EXPECT_EQ(raised_error([] { Value("40000").to_integer(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value("1E400").to_double(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value("&H100000000").to_long(); }), err::Overflow);
  for (const char* text : {"abc", "", "  ", "12abc", "1 2", "1E", "--1", "&H", "&HG"}) {
    EXPECT_EQ(raised_error([&] { Value(text).to_integer(); }), err::TypeMismatch) << text;
  }
}

TEST(ValueConversion, SingleOverflowsBeyondFloatRange) {
  EXPECT_EQ(Value(3.4e38).to_single(), 3.4e38f);
  EXPECT_EQ(raised_error([] { Value(3.5e38).to_single(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value(-1e39).to_single(); }), err::Overflow);
  EXPECT_EQ(raised_error([] { Value("1E39").to_single(); }), err::Overflow);
}

TEST(ValueConversion, EmptyNullBooleanAndObjectSubtypes) {
  const Value empty;
  EXPECT_EQ(empty.to_integer(), 0);
  EXPECT_EQ(empty.to_string(), "");
  EXPECT_FALSE(empty.to_bool());
  EXPECT_EQ(Value::boolean(true).to_integer(), -1);
  EXPECT_EQ(Value::boolean(false).to_double(), 0.0);
  EXPECT_EQ(Value::boolean(true).to_string(), "True");
  const Value null = Value::null();
  EXPECT_EQ(raised_error([&] { null.to_integer(); }), err::InvalidUseOfNull);
  EXPECT_EQ(raised_error([&] { null.to_string(); }), err::InvalidUseOfNull);
  EXPECT_EQ(raised_error([&] { null.to_bool(); }), err::InvalidUseOfNull);
  const Value nothing{ObjectRef{}};
  EXPECT_EQ(raised_error([&] { nothing.to_long(); }), err::TypeMismatch);
  EXPECT_EQ(raised_error([&] { nothing.to_string(); }), err::TypeMismatch);
}

TEST(ValueConversion, BooleansFromNumbersAndWords) {
  EXPECT_TRUE(Value("true").to_bool());
  EXPECT_FALSE(Value(" FALSE ").to_bool());
  EXPECT_TRUE(Value("-1").to_bool());
  EXPECT_FALSE(Value("0").to_bool());
  EXPECT_TRUE(Value(0.1).to_bool());
  EXPECT_FALSE(Value(std::int16_t{0}).to_bool());
  EXPECT_EQ(raised_error([] { Value("yes").to_bool(); }), err::TypeMismatch);
}

TEST(ValueConversion, CoerceFollowsTheDeclaredType) {
  EXPECT_EQ(coerce("12", PropType::Integer), Value(std::int16_t{12}));
  EXPECT_EQ(coerce(Value::boolean(true), PropType::Long), Value(std::int32_t{-1}));
  EXPECT_EQ(coerce(2.5, PropType::Color), Value(std::int32_t{2}));
  EXPECT_EQ(coerce(std::int16_t{3}, PropType::Enum), Value(std::int32_t{3}));
  EXPECT_EQ(coerce("-1", PropType::Boolean), Value::boolean(true));
  EXPECT_EQ(coerce(0.5, PropType::String), Value("0.5"));
  EXPECT_EQ(coerce("7.5", PropType::Single), Value(7.5f));
  EXPECT_EQ(coerce("12", PropType::Variant), Value("12"));
  EXPECT_EQ(coerce(ObjectRef{}, PropType::Object), Value(ObjectRef{}));
  EXPECT_EQ(raised_error([] { coerce(Value(), PropType::Object); }), err::TypeMismatch);
  EXPECT_EQ(raised_error([] { coerce("x", PropType::Double); }), err::TypeMismatch);
}

TEST(ValueFormat, NumbersPrintInTheirShortestExactForm) {
  const std::pair<Value, const char*> cases[] = {
      {0.5, "0.5"},         {-3.0, "-3"},           {1e20, "1E+20"},          {12.0, "12"},
      {7.5f, "7.5"},        {0.1f, "0.1"},          {1.5e-7, "1.5E-07"},      {-2.5e15, "-2.5E+15"},
      {999999999999999.0, "999999999999999"},       {0.0001, "0.0001"},       {0.00001, "1E-05"},
      {-0.0, "0"},          {1e7f, "1E+07"},        {9999999.0f, "9999999"},  {0.1 + 0.2, "0.30000000000000004"},
      {HUGE_VAL, "Infinity"},                   {std::int16_t{-3}, "-3"}, {std::int32_t{40000}, "40000"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(format_value(value), text);
}

TEST(ValueFormat, ColoursStringsAndNamedValues) {
  EXPECT_EQ(format_value(std::int32_t{-2147483640}, PropType::Color), "&H80000008&");
  EXPECT_EQ(format_value(std::int16_t{-1}, PropType::Color), "&HFFFFFFFF&");
  EXPECT_EQ(format_value(std::int16_t{255}, PropType::Color), "&H000000FF&");
  EXPECT_EQ(format_value(1e20, PropType::Color), "1E+20");
  EXPECT_EQ(format_value("red", PropType::Color), "\"red\"");
  EXPECT_EQ(format_value(std::int32_t{3}, PropType::Enum), "3");
  EXPECT_EQ(format_value("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(format_value(Value::boolean(false)), "False");
  EXPECT_EQ(format_value(Value()), "Empty");
  EXPECT_EQ(format_value(Value::null()), "Null");
  EXPECT_EQ(format_value(ObjectRef{}), "Nothing");
}

// Output never carries a raw control character: each one other than tab
// stands outside the quotes as the classic language writes it, and what is
// printed reads back as the same string.
TEST(ValueFormat, ControlCharactersPrintAsChrOutsideTheQuotes) {
  const std::pair<std::string, const char*> cases[] = {
      {"ab\ac", "\"ab\" & Chr(7) & \"c\""},
      {"\a", "Chr(7)"},
      {"", "\"\""},
      {"\x1B[0m", "Chr(27) & \"[0m\""},
      {"end\r\n", "\"end\" & Chr(13) & Chr(10)"},
      {"a\tb", "\"a\tb\""},                                     // tab stays as it is
      {"\x7F\"\xC2\x85", "Chr(127) & \"\"\"\" & ChrW(133)"},     // DEL, a quote, NEL (U+0085)
      {std::string("x\0y", 3), "\"x\" & Chr(0) & \"y\""},
      {"caf\xC3\xA9 \xC2\xA0", "\"caf\xC3\xA9 \xC2\xA0\""},        // U+00A0 is no control
  };
  for (const auto& [text, printed] : cases) {
    EXPECT_EQ(format_value(Value(text)), printed);
    EXPECT_EQ(parse_literal(printed), Value(text)) << printed;
  }
}

TEST(ParseLiteral, SubtypesFollowTheLiteralRules) {
  const std::pair<const char*, Value> cases[] = {
      {"32767", std::int16_t{32767}},
      {"-32768", std::int16_t{-32768}},
      {"32768", std::int32_t{32768}},
      {"-2147483648", INT32_MIN},
      {"2147483648", 2147483648.0},
      {"1.5", 1.5},
      {"1E+20", 1e20},
      {"2e3", 2000.0},
      {"&H80000008&", std::int32_t{-2147483640}},
      {"&HFF&", std::int32_t{255}},
      {"&hff", std::int32_t{255}},
      {"0xFF", std::int32_t{255}},
      {"0x80000008", std::int32_t{-2147483640}},
      {"\"a\"\"b\"", "a\"b"},
      {"\"\"", ""},
      {"TRUE", Value::boolean(true)},
      {"False", Value::boolean(false)},
      {"Empty", Value()},
      {"null", Value::null()},
      {"Chr(7)", "\a"},
      {"chrw(8364) & \"1\"&\"2\"", "\xE2\x82\xAC" "12"},
      {"\"a\"   &\tCHR(10)", "a\n"},
  };
  for (const auto& [token, value] : cases) EXPECT_EQ(parse_literal(token), value) << token;
}

TEST(ParseLiteral, RejectsWhatNoLiteralIs) {
  for (const char* token : {"", "abc", "12px", " 12", "1.2.3", "1E", "&H", "&H123456789&", "0x", "0xFF&", "\"open",
                            "\"a\"b\"", "\"", "1E400", "Truee", "\"a\" &", "\"a\" & 7", "\"a\" Chr(7)",
                            "Chr(128)", "ChrW(65536)", "ChrW(55296)", "Chr(-1)", "Chr()", "Chr(7", "Chr(7) & &H7"}) {
    EXPECT_EQ(parse_literal(token), std::nullopt) << token;
  }
}

// Printed numbers are read back by scenario scripts and form files, so the
// text must hold every bit of the number.
TEST(ParseLiteral, PrintedDoublesReadBackExactly) {
  for (double x : {0.1, 1.0 / 3, -2.5e15, 1.5e-7, 123456.789, 1e20, 5e-324, DBL_MAX, -0.0001}) {
    const std::optional<Value> back = parse_literal(format_value(x));
    ASSERT_TRUE(back.has_value()) << format_value(x);
    EXPECT_EQ(back->as_double(), x) << format_value(x);
  }
}

}  // namespace
}  // namespace okit
