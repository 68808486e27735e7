#include "library/interface_resources.h"

#include <algorithm>
#include <cctype>

#include "library/type_library.h"

namespace okit {
namespace {

std::string upper_case(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

std::string interface_resource_name(const ClassTypeInfo& cls) { return "_IID_" + upper_case(cls.name); }
std::string event_resource_name(const ClassTypeInfo& cls) { return "_SRCIID_" + upper_case(cls.name); }

InterfaceResource resource_bytes(const Guid& guid) {
  InterfaceResource bytes{};
  bytes[0] = 16;  // the remaining three bytes of the little-endian length stay 0
  const auto guid_bytes = guid.to_bytes();
  std::copy(guid_bytes.begin(), guid_bytes.end(), bytes.begin() + 4);
  return bytes;
}

}  // namespace

std::vector<std::string> interface_resource_names() {
  std::vector<std::string> names;
  for (const ClassTypeInfo& cls : opaline_classes()) {
    names.push_back(interface_resource_name(cls));
    names.push_back(event_resource_name(cls));
  }
  return names;
}

std::optional<InterfaceResource> interface_resource(std::string_view name) {
  const std::string wanted = upper_case(name);
  for (const ClassTypeInfo& cls : opaline_classes()) {
    if (wanted == interface_resource_name(cls)) return resource_bytes(cls.interface_id);
    if (wanted == event_resource_name(cls)) return resource_bytes(cls.event_interface_id);
  }
  return std::nullopt;
}

}  // namespace okit
