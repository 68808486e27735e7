#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

// A window that goes away while the probe looks at it is no reason to end
// the probe: X errors are ignored, and the calls concerned return nothing.
int ignore_x_error(Display*, XErrorEvent*) { return 0; }

std::string text_property(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                         &remaining, &data) != Success ||
      !data)
    return {};
  std::string text = format == 8 ? std::string(reinterpret_cast<char*>(data), count) : std::string();
  XFree(data);
  return text;
}

int milliseconds_until(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, 1000));
}

}  // namespace

XSession::XSession() {
  XSetErrorHandler(ignore_x_error);
  display_ = XOpenDisplay(nullptr);
  if (!display_) throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
  root_ = DefaultRootWindow(display_);
  int error_base = 0, major = 0, minor = 0, event_base = 0;
  if (!XDamageQueryExtension(display_, &damage_event_base_, &error_base))
    throw std::runtime_error("the X server has no DAMAGE extension");
  if (!XTestQueryExtension(display_, &event_base, &error_base, &major, &minor))
    throw std::runtime_error("the X server has no XTEST extension");
  XSelectInput(display_, root_, SubstructureNotifyMask);
}

XSession::~XSession() {
  if (damage_) XDamageDestroy(display_, damage_);
  XCloseDisplay(display_);
}

bool XSession::matches(Window candidate, const std::string& title) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, candidate, &attributes)) return false;
  if (attributes.map_state != IsViewable || attributes.override_redirect) return false;
  const Atom net_wm_name = XInternAtom(display_, "_NET_WM_NAME", False);
  return text_property(display_, candidate, net_wm_name) == title ||
         text_property(display_, candidate, XA_WM_NAME) == title;
}

Window XSession::wait_for_window(const std::string& title, Clock::time_point deadline,
                                 const std::function<void()>& still_running) {
  while (true) {
    // Map notifications wake the wait; the tree is scanned each time, since
    // a title may also arrive after the window is mapped.
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
    }
    Window root_return = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, root_, &root_return, &parent, &children, &count)) {
      std::unique_ptr<Window, int (*)(void*)> owned(children, XFree);
      for (unsigned int i = count; i-- > 0;)  // topmost first
        if (matches(children[i], title)) return children[i];
    }
    still_running();
    if (Clock::now() >= deadline) throw std::runtime_error("no window titled \"" + title + "\" appeared");
    // Events the scan itself read are already queued: no wait for them.
    if (XQLength(display_) > 0) continue;
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    poll(&connection, 1, std::min(10, milliseconds_until(deadline)));
  }
}

void XSession::watch(Window window) {
  if (damage_) XDamageDestroy(display_, damage_);
  watched_ = window;
  damage_ = XDamageCreate(display_, window, XDamageReportNonEmpty);
  XSync(display_, False);
}

Rect XSession::watched_bounds() {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, watched_, &attributes)) return {};
  return {0, 0, attributes.width, attributes.height};
}

std::vector<char> XSession::capture(const Rect& area) {
  const Rect bounds = area.width > 0 ? area : watched_bounds();
  if (bounds.width <= 0 || bounds.height <= 0) return {};
  XImage* image = XGetImage(display_, watched_, bounds.x, bounds.y, static_cast<unsigned>(bounds.width),
                            static_cast<unsigned>(bounds.height), AllPlanes, ZPixmap);
  if (!image) return {};
  std::vector<char> pixels(image->data, image->data + static_cast<std::size_t>(image->bytes_per_line) * image->height);
  XDestroyImage(image);
  return pixels;
}

bool XSession::wait_for_damage(Clock::duration timeout) {
  const auto until = Clock::now() + timeout;
  while (true) {
    bool damaged = false;
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == damage_event_base_ + XDamageNotify) damaged = true;
    }
    if (damaged) {
      // Cleared before the caller looks at the pixels, so drawing that
      // follows the look is reported again.
      XDamageSubtract(display_, damage_, None, None);
      XFlush(display_);
      return true;
    }
    const int wait_ms = milliseconds_until(until);
    if (wait_ms == 0) return false;
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    poll(&connection, 1, wait_ms);
  }
}

Clock::time_point XSession::wait_until_quiet(Clock::time_point since, Clock::duration settle,
                                             Clock::time_point deadline) {
  auto last_change = since;
  auto shown = capture();
  while (Clock::now() < deadline) {
    const auto quiet_until = last_change + settle;
    if (!wait_for_damage(std::max(Clock::duration::zero(), quiet_until - Clock::now()))) {
      if (Clock::now() >= quiet_until) return last_change;
      continue;
    }
    auto now_shown = capture();
    if (now_shown != shown) {
      last_change = Clock::now();
      shown = std::move(now_shown);
    }
  }
  throw std::runtime_error("the window's pixels never stayed still for the settle time");
}

std::optional<Clock::time_point> XSession::wait_for_change(const Rect& area, const std::vector<char>& before,
                                                           Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    if (!wait_for_damage(deadline - Clock::now())) continue;
    if (capture(area) != before) return Clock::now();
  }
  return std::nullopt;
}

void XSession::focus_watched_window() {
  XSetInputFocus(display_, watched_, RevertToPointerRoot, CurrentTime);
  XFlush(display_);
}

void XSession::move_pointer_outside() {
  // The screen corner farthest from the window, or the bottom-right one
  // before there is a window.
  Window child = 0;
  int x = 0, y = 0;
  Rect window;
  if (watched_) {
    XTranslateCoordinates(display_, watched_, root_, 0, 0, &x, &y, &child);
    window = watched_bounds();
  }
  const int screen_width = DisplayWidth(display_, DefaultScreen(display_));
  const int screen_height = DisplayHeight(display_, DefaultScreen(display_));
  const int corner_x = x + window.width / 2 < screen_width / 2 ? screen_width - 1 : 0;
  const int corner_y = y + window.height / 2 < screen_height / 2 ? screen_height - 1 : 0;
  XTestFakeMotionEvent(display_, DefaultScreen(display_), corner_x, corner_y, CurrentTime);
  XFlush(display_);
}

void XSession::click(int window_x, int window_y) {
  Window child = 0;
  int x = 0, y = 0;
  XTranslateCoordinates(display_, watched_, root_, window_x, window_y, &x, &y, &child);
  XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XFlush(display_);
}

void XSession::press_letter(char letter) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, static_cast<KeySym>(letter)), True, CurrentTime);
  XFlush(display_);
}

void XSession::release_letter(char letter) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, static_cast<KeySym>(letter)), False, CurrentTime);
  XFlush(display_);
}
