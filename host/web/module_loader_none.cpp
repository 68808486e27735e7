// The web build is one WebAssembly program: it loads no modules, so text
// stays on the classic face's path and no accessibility bridge starts.

#include "host/module_loader.h"

namespace okit {

void* load_module_entry(const std::string& file, const char*, std::string* problem) {
  *problem = file + " is not part of the web build";
  return nullptr;
}

}  // namespace okit
