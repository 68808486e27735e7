#pragma once
// The headless backend: a virtual desktop of 1280 x 800 pixels whose cursor,
// buttons, keys and clock are driven by a script. Its move loop follows the
// scripted mouse: while a window is being dragged, each cursor move moves the
// window by the same delta, and the release ends the loop. It owns the
// compositor that draws the desktop's screen.

#include <functional>
#include <memory>

#include "host/desktop.h"
#include "host/paint/compositor.h"

namespace okit {

inline constexpr int kDesktopWidth = 1280;
inline constexpr int kDesktopHeight = 800;

class HeadlessBackend {
 public:
  // `pump` runs the next scripted input and returns false when the script
  // has ended.
  explicit HeadlessBackend(Desktop& desktop);
  ~HeadlessBackend();
  void set_pump(std::function<bool()> pump) { pump_ = std::move(pump); }

  // Moves the cursor: during a drag the dragged window follows it, otherwise
  // the desktop delivers the move.
  void mouse_move(Point p);
  bool dragging() const { return !dragged_.expired(); }

  Compositor& compositor() { return compositor_; }

 private:
  void move_loop(Element& window);

  Desktop& desktop_;
  Compositor compositor_;
  std::function<bool()> pump_;
  std::weak_ptr<Dispatch> dragged_;
};

}  // namespace okit
