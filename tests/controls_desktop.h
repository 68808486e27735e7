#pragma once
// A desktop whose forms can hold the library's controls, set up as
// Application and the okit command line set up theirs.

#include "api/install_controls.h"
#include "host/desktop.h"

namespace okit::testing {

class ControlsDesktop : public Desktop {
 public:
  ControlsDesktop() { install_controls(*this); }
};

}  // namespace okit::testing
