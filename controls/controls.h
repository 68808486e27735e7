#pragma once
// The controls this build contains, for the class registry to publish.

namespace okit {

class ClassRegistry;

void register_controls(ClassRegistry& registry);

}  // namespace okit
