#include "api/install_controls.h"

#include "controls/controls.h"
#include "library/class_registry.h"

namespace okit {

void register_library_controls() {
  // Registering binds every record to the library's tables; once is enough.
  static const bool registered = (register_controls(class_registry()), true);
  (void)registered;
}

void install_controls(Desktop& desktop) {
  register_library_controls();
  desktop.set_class_catalog(&class_registry());
}

}  // namespace okit
