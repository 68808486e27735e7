// The benchmarks run on a desktop that knows the library's controls, as the
// okit command line sets it up; the benchmark library's main runs them.

#include "api/install_controls.h"

namespace {

const bool kControlsInstalled = (okit::install_controls(okit::Desktop::current()), true);

}  // namespace
