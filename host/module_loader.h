#pragma once
// The library's optional modules (the text engine, the accessibility
// bridge) are shared objects loaded the first time they are needed, so a
// program that needs neither maps none of the libraries behind them.

#include <string>

namespace okit {

// The entry point `symbol` of module `file` (a file name such as
// "libOpalineKitText.so.8"), looked for beside the library or program that
// holds the host, then in the installed library folder seen from the
// installed program folder, then one folder up (programs in a build tree's
// subfolders), then wherever the dynamic linker looks. The
// module stays loaded for the rest of the process. Null when it cannot be
// loaded; *problem then says why.
void* load_module_entry(const std::string& file, const char* symbol, std::string* problem);

}  // namespace okit
