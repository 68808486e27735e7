#pragma once
// A form holding real controls, built the way a designer places them: each
// control is created by class name, joins the form as a control, reports to
// the desktop, takes its initial properties, gets its bounds and is shown.
// The form is active and composed once, so what a benchmark composes next is
// only what it changed.

#include <memory>
#include <string>
#include <string_view>

#include "host/desktop.h"
#include "host/element.h"
#include "host/form.h"
#include "host/geometry.h"
#include "host/paint/compositor.h"

namespace okit::bench {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kTimerPeriodMs = 10;

// An active form on `desktop` whose client area starts at screen point
// (100, 100), composed once by `compositor`.
std::shared_ptr<Form> create_active_form(Desktop& desktop, Compositor& compositor, std::string name, int width_px,
                                         int height_px);

// Places a control of `class_name` with its top-left corner at `at` (client
// pixels); a size of 0 keeps the size the control chose for itself. The
// host's place_control does the placing, as it does for `okit script`.
std::shared_ptr<Element> place_control(Form& form, std::string_view class_name, std::string name, Point at,
                                       int width_px = 0, int height_px = 0);

// The control's rectangle in client pixels and its area.
Rect client_rect(const Element& control);
std::int64_t area(Rect r);

// The element of that name among the control's children, their children
// and so on (a button's slices sit inside its button bar), or nullptr.
std::shared_ptr<Element> find_descendant(const Element& control, std::string_view name);

// The name of the skin picture an image of `control` shows, or "".
std::string shown_picture(const Element& control, std::string_view image_name);

}  // namespace okit::bench
