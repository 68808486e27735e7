#include "host/text/text_services.h"

#include <iostream>

#include "host/module_loader.h"

namespace okit {
namespace {

constexpr const char* kModule = "libOpalineKitText.so.8";

const TextServices* load() {
  std::string problem;
  using Entry = const TextServices* (*)();
  if (auto entry = reinterpret_cast<Entry>(load_module_entry(kModule, "okit_text_services", &problem)))
    return entry();
  std::cerr << "okit: warning: text the classic face cannot draw shows as boxes: cannot load " << kModule << " ("
            << problem << ")\n";
  return nullptr;
}

}  // namespace

const TextServices* text_services() {
  static const TextServices* const services = load();
  return services;
}

}  // namespace okit
