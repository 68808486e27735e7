// Every test runs on a desktop that knows the library's controls, as the
// okit command line and Application set it up.

#include <gtest/gtest.h>

#include "api/install_controls.h"

namespace {

class ControlsEnvironment : public testing::Environment {
 public:
  void SetUp() override { okit::install_controls(okit::Desktop::current()); }
};

const testing::Environment* const kControls = testing::AddGlobalTestEnvironment(new ControlsEnvironment);

}  // namespace
