#pragma once
// Screen readers and other assistive technology: real windows publish what
// their forms hold (host/accessible_tree.h) on the platform's accessibility
// bus. The bridge is a module of its own (libOpalineKitAccessibility),
// loaded when a backend with real windows starts, built against the
// library's exported API alone; it folds its own input (the bus) into the
// backend's wait, so the loop still sleeps while nothing is due.

#include <memory>
#include <string>
#include <vector>

#include "host/export.h"
#include "host/geometry.h"

namespace okit {

class Desktop;
class Form;

// A file the bridge wants watched while the loop sleeps, as poll() has it.
struct WatchedFile {
  int fd = -1;
  short events = 0;
  short revents = 0;
};

// What the bridge asks of the backend that shows the forms.
class AccessibilityScreen {
 public:
  // A rectangle in pixels of a form's client area, in pixels of the real
  // screen (where the window is, times the backend's scale).
  virtual Rect on_screen(const Form& form, Rect client) const = 0;

 protected:
  ~AccessibilityScreen() = default;
};

class AccessibilityBridge {
 public:
  virtual ~AccessibilityBridge() = default;
  // Before the loop sleeps: adds the files to watch and returns the
  // timeout, shortened if the bridge has something due sooner.
  virtual int prepare(std::vector<WatchedFile>& files, int timeout_ms) = 0;
  // After the sleep, with what the files reported: answers the bus.
  virtual void dispatch(const std::vector<WatchedFile>& files) = 0;
  // After input, timers and messages were handled: runs the actions and
  // edits clients asked for, then publishes what changed.
  virtual void update() = 0;
};

// The bridge for `desktop`, named `program` on the bus; null when the module
// cannot be loaded or the bus cannot be reached (one warning says why).
OKIT_EXPORT std::unique_ptr<AccessibilityBridge> start_accessibility(Desktop& desktop,
                                                                     const AccessibilityScreen& screen,
                                                                     const std::string& program);

}  // namespace okit
