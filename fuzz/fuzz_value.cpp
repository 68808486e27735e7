// Values: literals and form-file values read from any text, and every
// conversion and printer applied to what was read, including doubles and
// singles of arbitrary bit patterns (NaN, infinities, denormals). A
// conversion may raise a RuntimeError; nothing else may go wrong.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "host/form_file.h"
#include "host/value.h"

namespace {

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
  // Printed values read back as literals, and form-file values as form-file
  // values: both printers promise text their reader takes.
  if (!okit::parse_literal(okit::format_value(v))) __builtin_trap();
  if (!okit::parse_form_value(okit::format_form_value(v))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<okit::Value> values{okit::Value(std::string(text))};
  if (auto literal = okit::parse_literal(text)) values.push_back(*literal);
  if (auto form_value = okit::parse_form_value(text)) values.push_back(*form_value);
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
