#pragma once
// The library's version block: the numbers and strings a file browser shows,
// and the "OLESelfRegister" key that tells installers the library registers
// itself through DllRegisterServer.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace okit {

struct VersionString {
  std::string_view key;
  std::string_view value;
};

struct VersionBlock {
  std::uint16_t language = 0;   // 0x0407, German
  std::uint16_t code_page = 0;  // 0x04B0, Unicode
  std::array<std::uint16_t, 4> file_version{};
  std::array<std::uint16_t, 4> product_version{};
  std::span<const VersionString> strings;

  // The value stored under `key` (case-insensitive); nullptr when absent.
  const VersionString* find(std::string_view key) const;
};

const VersionBlock& version_block();

}  // namespace okit
