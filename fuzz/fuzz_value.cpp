// Values: literals and form-file values read from any text, and every
// conversion and printer applied to what was read, including doubles and
// singles of arbitrary bit patterns (NaN, infinities, denormals). A
// conversion may raise a RuntimeError; nothing else may go wrong.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "host/form_file.h"
#include "host/value.h"

namespace {

// NaN and the infinities have no literal; every other value has one.
bool has_literal(const okit::Value& v) {
  if (v.type() == okit::VarType::Double) return std::isfinite(v.as_double());
  if (v.type() == okit::VarType::Single) return std::isfinite(v.as_single());
  return true;
}

template <typename Conversion>
void convert(Conversion conversion) {
  try {
    (void)conversion();
  } catch (const okit::RuntimeError&) {
  }
}

void exercise(const okit::Value& v) {
  convert([&] { return v.to_integer(); });
  convert([&] { return v.to_long(); });
  convert([&] { return v.to_single(); });
  convert([&] { return v.to_double(); });
  convert([&] { return v.to_bool(); });
  convert([&] { return v.to_string(); });
  for (auto type : {okit::PropType::Boolean, okit::PropType::Integer, okit::PropType::Long, okit::PropType::Single,
                    okit::PropType::Double, okit::PropType::String, okit::PropType::Color, okit::PropType::Enum,
                    okit::PropType::Variant}) {
    convert([&] { return okit::coerce(v, type); });
    convert([&] { return okit::format_value(v, type); });
  }
  // The printer promises text that reads back as a literal.
  if (has_literal(v) && !okit::parse_literal(okit::format_value(v))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<okit::Value> values{okit::Value(std::string(text))};
  if (auto literal = okit::parse_literal(text)) values.push_back(*literal);
  if (auto form_value = okit::parse_form_value(text)) {
    // What a form file held is written back as text the reader takes. (Only
    // what was read: a string from elsewhere may not be valid UTF-8, which
    // form files require.)
    if (!okit::parse_form_value(okit::format_form_value(*form_value))) __builtin_trap();
    values.push_back(*form_value);
  }
  if (size >= sizeof(double)) {
    double d;
    std::memcpy(&d, data, sizeof d);
    values.emplace_back(d);
  }
  if (size >= sizeof(float)) {
    float f;
    std::memcpy(&f, data, sizeof f);
    values.emplace_back(f);
  }
  for (const auto& v : values) exercise(v);
  return 0;
}
