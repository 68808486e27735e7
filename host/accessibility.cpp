#include "host/accessibility.h"

#include <iostream>

#include "host/module_loader.h"

namespace okit {

std::unique_ptr<AccessibilityBridge> start_accessibility(Desktop& desktop, const AccessibilityScreen& screen,
                                                         const std::string& program) {
  constexpr const char* kModule = "libOpalineKitAccessibility.so.8";
  std::string problem;
  using Entry = AccessibilityBridge* (*)(Desktop&, const AccessibilityScreen&, const std::string&, std::string*);
  auto entry = reinterpret_cast<Entry>(load_module_entry(kModule, "okit_start_accessibility", &problem));
  std::unique_ptr<AccessibilityBridge> bridge(entry ? entry(desktop, screen, program, &problem) : nullptr);
  if (!bridge)
    std::cerr << "okit: warning: screen readers cannot see this program: " << (entry ? "" : "cannot load ")
              << (entry ? problem : std::string(kModule) + " (" + problem + ")") << '\n';
  return bridge;
}

}  // namespace okit
