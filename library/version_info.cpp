#include "library/version_info.h"

#include <algorithm>

#include "host/dispatch.h"

namespace okit {
namespace {

constexpr VersionString kStrings[] = {
    {"CompanyName", "OpalineKit"},
    {"FileDescription", "OpalineKit Steuerelemente"},
    {"FileVersion", "8.0.0.0"},
    {"InternalName", "OpalineKit"},
    {"OriginalFilename", "OpalineKit"},
    {"ProductName", "OpalineKit"},
    {"ProductVersion", "8.0.0.0"},
    {"Comments", "Sechs Steuerelemente mit Skin: Button, Titelleiste, Kontrollkästchen, Textfeld, Rahmen, Register"},
    // Present without a value: its presence alone marks the library as self-registering.
    {"OLESelfRegister", ""},
};

constexpr VersionBlock kVersionBlock{0x0407, 0x04B0, {8, 0, 0, 0}, {8, 0, 0, 0}, kStrings};

}  // namespace

const VersionString* VersionBlock::find(std::string_view key) const {
  const auto it = std::find_if(strings.begin(), strings.end(), [&](const VersionString& s) { return equals_ignore_case(s.key, key); });
  return it == strings.end() ? nullptr : &*it;
}

const VersionBlock& version_block() { return kVersionBlock; }

}  // namespace okit
