// Tests that create controls through the library's class registry, with no
// desktop, find the six controls registered, as a program that installed them
// on a desktop would.

#include <gtest/gtest.h>

#include "api/install_controls.h"

namespace {

class ControlsEnvironment : public testing::Environment {
 public:
  void SetUp() override { okit::register_library_controls(); }
};

const testing::Environment* const kControls = testing::AddGlobalTestEnvironment(new ControlsEnvironment);

}  // namespace
