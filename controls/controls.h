#pragma once
// The composition root of the controls: the one place that knows which
// control classes this build contains.

#include "host/export.h"

namespace okit {

class ClassRegistry;

// Registers the record of every control with `registry`, in the order
// designers list them and review sheets show them. Throws std::logic_error
// when a record and the library's tables disagree.
OKIT_EXPORT void register_controls(ClassRegistry& registry);

}  // namespace okit
