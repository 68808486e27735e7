#include "host/module_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

namespace okit {
namespace {

std::vector<std::string> places_to_look(const std::string& file) {
  std::vector<std::string> places;
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&load_module_entry), &info) != 0 && info.dli_fname) {
    const std::filesystem::path folder = std::filesystem::path(info.dli_fname).parent_path();
    places.push_back((folder / file).string());
    places.push_back((folder / OKIT_BIN_TO_LIB / file).string());
    // A build tree: the test, benchmark and fuzz programs sit one folder
    // below the modules. (Their run path says so too, but a sanitizer that
    // intercepts dlopen hides whose run path it is.)
    places.push_back((folder.parent_path() / file).string());
  }
  places.push_back(file);
  return places;
}

}  // namespace

void* load_module_entry(const std::string& file, const char* symbol, std::string* problem) {
  for (const std::string& place : places_to_look(file)) {
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      *problem = dlerror();
      continue;
    }
    if (void* entry = dlsym(module, symbol)) return entry;
    *problem = place + " has no " + symbol;
  }
  return nullptr;
}

}  // namespace okit
