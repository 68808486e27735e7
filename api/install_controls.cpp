#include "api/install_controls.h"

#include "controls/controls.h"
#include "library/class_registry.h"

namespace okit {

void install_controls(Desktop& desktop) {
  // Registering binds every record to the library's tables; once is enough.
  static const bool registered = (register_controls(class_registry()), true);
  (void)registered;
  desktop.set_class_catalog(&class_registry());
}

}  // namespace okit
