#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/float_chars.h"
#include "host/utf8.h"
#include "host/value.h"
#include "host/value_text.h"

namespace okit {

namespace {

// A decimal number as significant digits d1 d2 ... dn and the power of ten
// of d1, so 0.015 is {"15", -2}.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The shortest digits that read back exactly, in the scientific form that
// makes them easy to pick apart.
template <typename Float>
DecimalDigits shortest_digits(Float x) {
  const std::string scientific = shortest_scientific(x);
  const std::string_view text(scientific);
  DecimalDigits out;
  out.negative = text.front() == '-';
  const std::size_t start = out.negative ? 1 : 0;
  const std::size_t e = text.find('e');
  for (char c : text.substr(start, e - start)) {
    if (c != '.') out.digits += c;
  }
  out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return out;
}

// Built with append rather than operator+ chains, which make GCC 12 at -O3
// warn about overlapping copies that cannot happen.
std::string fixed_layout(const std::string& digits, int exponent) {
  const int count = static_cast<int>(digits.size());
  std::string text;
  if (exponent < 0) {
    text.append("0.").append(-exponent - 1, '0').append(digits);
  } else if (exponent + 1 >= count) {
    text.append(digits).append(exponent + 1 - count, '0');
  } else {
    text.append(digits, 0, exponent + 1).append(1, '.').append(digits, exponent + 1);
  }
  return text;
}

// 1E+20, 1.5E-07: the exponent always signed and at least two digits wide.
std::string scientific_layout(const std::string& digits, int exponent) {
  std::string text(1, digits.front());
  if (digits.size() > 1) text.append(1, '.').append(digits, 1);
  const std::string power = std::to_string(std::abs(exponent));
  text.append(exponent < 0 ? "E-" : "E+");
  if (power.size() < 2) text.append(1, '0');
  return text.append(power);
}

// Beyond the digits the type carries, and below 1E-4, fixed notation would
// only show padding zeros; those magnitudes print in scientific form.
template <typename Float>
std::string layout_number(Float x, Float scientific_from) {
  if (x == 0) return "0";  // also -0, which has no text of its own
  if (!std::isfinite(x)) return std::isnan(x) ? "NaN" : (x < 0 ? "-Infinity" : "Infinity");
  const DecimalDigits number = shortest_digits(x);
  const Float magnitude = std::fabs(x);
  const bool scientific = magnitude >= scientific_from || magnitude < Float(1e-4);
  std::string text = number.negative ? "-" : "";
  return text.append(scientific ? scientific_layout(number.digits, number.exponent)
                                : fixed_layout(number.digits, number.exponent));
}

// A string as the classic language writes it: in double quotes with "" for
// a quote, and each control character other than tab as Chr(N), joined to
// the quoted runs by " & ", so no output ever carries a raw control
// character: "ab" & Chr(7) & "c", Chr(13) & Chr(10), "". U+0080 to U+009F
// are ChrW(N), as Chr would take them from the ANSI code page. Bytes that are
// not UTF-8 pass through as they are.
std::string string_literal(std::string_view text) {
  std::string out;
  std::string run;  // the quoted run being built, opening quote included
  const auto end_run = [&] {
    if (run.empty()) return;
    out.append(out.empty() ? "" : " & ").append(run).append(1, '"');
    run.clear();
  };
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const char32_t c = next_code_point(text, pos);
    if (c != U'\t' && is_control_character(c)) {
      end_run();
      out.append(out.empty() ? "" : " & ").append(c < 0x80 ? "Chr(" : "ChrW(");
      out.append(std::to_string(static_cast<unsigned>(c))).append(1, ')');
      continue;
    }
    if (run.empty()) run.assign(1, '"');
    run.append(text.substr(start, pos - start));
    if (c == '"') run.append(1, '"');
  }
  if (out.empty() && run.empty()) run.assign(1, '"');
  end_run();
  return out;
}

std::string colour_text(std::int32_t colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "&H%08X&", static_cast<unsigned>(static_cast<std::uint32_t>(colour)));
  return buffer;
}

}  // namespace

namespace value_text {

std::string format_number(float x) { return layout_number(x, 1e7f); }
std::string format_number(double x) { return layout_number(x, 1e15); }

}  // namespace value_text

std::string format_value(const Value& value, PropType declared) {
  switch (value.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::String: return string_literal(value.as_string());
    case VarType::Object: return value.as_object() ? "(object)" : "Nothing";
    case VarType::Boolean: return value.to_string();
    default: break;
  }
  // A colour held as a number prints in hex, whatever numeric subtype carries
  // it; one that cannot be a Long prints as the number it is.
  if (declared == PropType::Color) {
    if (std::optional<std::int32_t> colour = value_text::rounded_long(value.to_double())) return colour_text(*colour);
  }
  return value.to_string();
}

}  // namespace okit
