#include "host/text/text_services.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>

namespace okit {
namespace {

constexpr const char* kModule = OKIT_TEXT_MODULE;

// Beside the code that holds this function (the shared library, or a
// program that links the objects itself), then in the installed library
// folder seen from a program in the installed program folder, then wherever
// the dynamic linker looks.
std::vector<std::string> places_to_look() {
  std::vector<std::string> places;
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&text_services), &info) != 0 && info.dli_fname) {
    const std::filesystem::path folder = std::filesystem::path(info.dli_fname).parent_path();
    places.push_back((folder / kModule).string());
    places.push_back((folder / OKIT_BIN_TO_LIB / kModule).string());
  }
  places.emplace_back(kModule);
  return places;
}

const TextServices* load() {
  std::string problem;
  for (const std::string& place : places_to_look()) {
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      problem = dlerror();
      continue;
    }
    // The module stays loaded for the rest of the process.
    using Entry = const TextServices* (*)();
    if (auto entry = reinterpret_cast<Entry>(dlsym(module, "okit_text_services"))) return entry();
    problem = place + " has no okit_text_services";
  }
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
