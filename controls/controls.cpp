#include "controls/controls.h"

#include "controls/records.h"
#include "library/class_registry.h"

namespace okit {

void register_controls(ClassRegistry& registry) {
  for (const ControlRecord* record : {&button_record(), &checkbox_record(), &caption_record(), &textbox_record(),
                                      &frame_record(), &tabstrip_record()})
    registry.register_control(*record);
}

}  // namespace okit
