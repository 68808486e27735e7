#pragma once
// Setting a desktop up with the library's controls. Application does it for
// programs; tools that drive a desktop without one (the okit command line,
// test suites) call it themselves.

#include "host/desktop.h"
#include "host/export.h"

namespace okit {

// Registers the six controls with the library's class registry, the first
// time it is called; for code that creates controls through the registry
// itself (DllGetClassObject's callers, tests of the records).
OKIT_EXPORT void register_library_controls();

// Registers the six controls with the library's class registry (the first
// time) and makes that registry the class catalog of `desktop`, so its forms
// can hold them.
OKIT_EXPORT void install_controls(Desktop& desktop);

}  // namespace okit
