#pragma once
// The two small resources each class carries for the control runtime:
// "_IID_<CLASS>" with its default interface and "_SRCIID_<CLASS>" with its
// event interface. Each is 20 bytes: the length 16 as a little-endian 32-bit
// integer, then the GUID as it lies in memory.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace okit {

inline constexpr std::size_t kInterfaceResourceSize = 20;
using InterfaceResource = std::array<std::uint8_t, kInterfaceResourceSize>;

// All twelve resource names, two per class in class order.
std::vector<std::string> interface_resource_names();

// The bytes of the resource with this name (case-insensitive, as resource
// names are); nullopt for a name the library does not carry.
std::optional<InterfaceResource> interface_resource(std::string_view name);

}  // namespace okit
