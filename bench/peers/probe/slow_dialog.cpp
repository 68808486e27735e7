// slow_dialog: a window whose timing is known, to check peer_probe against.
// It maps a white window at once, draws half its first frame at FIRST_MS / 2
// and the rest at FIRST_MS (both counted from its start), and answers each
// key press by waiting KEY_MS and then drawing a bar in the box at
// (10,10,100,20). A probe that stops at the first change, or does not wait
// for the pixels, reports too little.
//
// usage: slow_dialog TITLE FIRST_MS KEY_MS

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

void fill(Display* display, Window window, GC gc, unsigned long color, int x, int y, int width, int height) {
  XSetForeground(display, gc, color);
  XFillRectangle(display, window, gc, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  const auto started_at = Clock::now();
  if (argc != 4) {
    std::fprintf(stderr, "usage: slow_dialog TITLE FIRST_MS KEY_MS\n");
    return 2;
  }
  const auto first_frame = std::chrono::milliseconds(std::atoi(argv[2]));
  const auto key_delay = std::chrono::milliseconds(std::atoi(argv[3]));
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "slow_dialog: no display\n");
    return 1;
  }
  const int screen = DefaultScreen(display);
  const unsigned long white = WhitePixel(display, screen), black = BlackPixel(display, screen);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 40, 40, 200, 100, 0, black, white);
  XStoreName(display, window, argv[1]);
  XSelectInput(display, window, KeyPressMask | ButtonPressMask);
  XMapWindow(display, window);
  const GC gc = XCreateGC(display, window, 0, nullptr);
  XFlush(display);

  std::this_thread::sleep_until(started_at + first_frame / 2);
  fill(display, window, gc, black, 0, 50, 200, 50);
  std::this_thread::sleep_until(started_at + first_frame);
  fill(display, window, gc, black, 0, 0, 200, 5);

  int keys = 0;
  while (true) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != KeyPress) continue;
    std::this_thread::sleep_for(key_delay);
    ++keys;
    fill(display, window, gc, keys % 2 ? black : white, 10, 10, 100, 20);
  }
}
