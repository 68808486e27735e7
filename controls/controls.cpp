#include "controls/controls.h"

#include "controls/button/cmd_Opaline_Button.h"
#include "library/class_registry.h"

namespace okit {

void register_controls(ClassRegistry& registry) {
  registry.register_factory("cmd_Opaline_Button", [] { return std::make_shared<cmd_Opaline_Button>(); });
}

}  // namespace okit
