#pragma once
// Guid: the 128-bit identifier of the type library, the classes and their
// interfaces, in the classic layout (a 32-bit, two 16-bit and eight single
// bytes). The text form is the braced, upper-case one that form files and
// registries use: {6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/export.h"

namespace okit {

struct OKIT_EXPORT Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  bool operator==(const Guid&) const = default;

  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
  std::string to_string() const;

  // The sixteen bytes as the structure lies in memory on the platform the
  // identifiers come from: data1 to data3 little-endian, data4 as given.
  std::array<std::uint8_t, 16> to_bytes() const;

  // Accepts the text form with or without braces, hex digits in either case;
  // nullopt for anything else.
  static constexpr std::optional<Guid> parse(std::string_view text);
};

namespace detail {

constexpr int hex_digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `count` hex digits starting at `pos`; nullopt if any is not a digit.
constexpr std::optional<std::uint32_t> read_hex(std::string_view text, std::size_t pos, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int digit = hex_digit_value(text[pos + i]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

}  // namespace detail

constexpr std::optional<Guid> Guid::parse(std::string_view text) {
  if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
  if (text.size() != 36) return std::nullopt;
  for (std::size_t dash : {8u, 13u, 18u, 23u}) {
    if (text[dash] != '-') return std::nullopt;
  }
  const auto d1 = detail::read_hex(text, 0, 8);
  const auto d2 = detail::read_hex(text, 9, 4);
  const auto d3 = detail::read_hex(text, 14, 4);
  if (!d1 || !d2 || !d3) return std::nullopt;
  Guid guid{*d1, static_cast<std::uint16_t>(*d2), static_cast<std::uint16_t>(*d3), {}};
  // data4 is the two bytes before the last dash and the six after it.
  constexpr std::size_t kData4Offsets[8] = {19, 21, 24, 26, 28, 30, 32, 34};
  for (std::size_t i = 0; i < 8; ++i) {
    const auto byte = detail::read_hex(text, kData4Offsets[i], 2);
    if (!byte) return std::nullopt;
    guid.data4[i] = static_cast<std::uint8_t>(*byte);
  }
  return guid;
}

// A GUID written in the source; a malformed literal fails to compile.
consteval Guid guid_literal(std::string_view text) { return Guid::parse(text).value(); }

}  // namespace okit
