#pragma once
// The designer's toolbox: a window beside the form with one button per class
// a form can hold, each with its toolbox bitmap. Clicking a tool marks it;
// the next press on the form places that class (DesignCanvas takes it).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/designer/design_canvas.h"
#include "app/designer/event_router.h"

namespace okit {

class ToolboxWindow {
 public:
  // Called when a tool is dragged out of the toolbox and released at a
  // screen point; true when it was placed there.
  using DropHandler = std::function<bool(const std::string& class_name, Point screen)>;

  // Opens the toolbox with its top-left corner at `at` (screen pixels).
  ToolboxWindow(Desktop& desktop, EventRouter& router, Point at, DropHandler on_drop);

  Form& form() const { return *form_; }
  // The class of the marked tool, once: taking it clears the mark.
  std::optional<std::string> take_pick();
  void close();

 private:
  void pick(std::size_t tool);

  std::shared_ptr<Form> form_;
  std::optional<std::size_t> picked_;
  std::vector<std::shared_ptr<Element>> buttons_;
  std::vector<std::string> tool_classes_;  // the class each button places
  SelectionFrames mark_;
};

}  // namespace okit
