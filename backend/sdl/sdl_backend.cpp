#include "backend/sdl/sdl_backend.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

#include "backend/sdl/sdl_clipboard.h"
#include "host/elements/clipboard.h"

namespace okit {

double real_milliseconds() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

SdlVideo::SdlVideo() {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
  // Windows must not pass a click to the control below before activating.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Window surfaces stay plain images that take only the rectangles that
  // changed. Backed by a texture, every update would draw and swap the whole
  // window through OpenGL, in software on machines without a GPU. The
  // environment variable SDL_FRAMEBUFFER_ACCELERATION still decides first.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Input methods: the system shows the candidate list (the fields show the
  // composition themselves), and long compositions and commits arrive whole.
#ifdef SDL_HINT_IME_SHOW_UI
  SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
#endif
#ifdef SDL_HINT_IME_SUPPORT_EXTENDED_TEXT
  SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
#endif
  // Signals stop the loop through StopRequests, not as SDL's quit event.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  available_ = SDL_Init(SDL_INIT_VIDEO) == 0;
  if (available_) handle_lost_display();
}

SdlVideo::~SdlVideo() {
  if (available_) SDL_Quit();
}

SdlBackend::SdlBackend(Desktop& desktop, int scale)
    : desktop_(desktop), windows_(scale), clock_offset_(desktop.now() - real_milliseconds()) {
  desktop_.set_move_loop([this](Element& window) { move_loop(window); });
  desktop_.install_clipboard(std::make_unique<SdlClipboard>());
  // Every control's KeyPress comes from text input, so it stays on for as
  // long as the backend runs (desktop platforms start it with the video
  // subsystem; this says so rather than relying on it).
  SDL_StartTextInput();
}

SdlBackend::~SdlBackend() {
  desktop_.set_move_loop(nullptr);
  desktop_.install_clipboard(nullptr);
}

void SdlBackend::publish_accessibility(const std::string& program) { accessibility_program_ = program; }

void SdlBackend::run() {
  windows_.update(desktop_);
  if (accessibility_program_) accessibility_ = start_accessibility(desktop_, *this, *accessibility_program_);
  while (!desktop_.forms().empty()) {
    wait_and_handle_events();
    if (const int signal = stop_requests_.take_signal()) {
      stop_signal_ = signal;
      stop_note_ = StopRequests::say_last_words();
      desktop_.unload_all();
      windows_.update(desktop_);
      break;
    }
    desktop_.do_events();
    windows_.update(desktop_);
    follow_text_input();
    if (accessibility_) accessibility_->update();
  }
}

void SdlBackend::handle_pending() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) handle(event);
  advance_clock();
  desktop_.do_events();
  windows_.update(desktop_);
  follow_text_input();
  if (accessibility_) accessibility_->update();
}

// Where the window is on the real screen, and the backend's scale.
Rect SdlBackend::on_screen(const Form& form, Rect client) const {
  SDL_Window* window = windows_.window_of(form);
  int x = 0, y = 0;
  if (window) SDL_GetWindowPosition(window, &x, &y);
  const int scale = windows_.scale();
  return {x + client.left * scale, y + client.top * scale, x + client.right * scale, y + client.bottom * scale};
}

// Sleeps until an event arrives or the next timer is due, then handles
// everything that is waiting. Timers at the same due time wake the loop once.
void SdlBackend::wait_and_handle_events() {
  if (event_wait_.wait(windows_.any_window(), milliseconds_until_due(), stop_requests_.fd(), accessibility_.get())) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) handle(event);
  }
  // Focus that left one of our windows without reaching another went to
  // another application.
  if (focus_left_application_) {
    focus_left_application_ = false;
    if (!SDL_GetKeyboardFocus() || !windows_.form_of(SDL_GetWindowID(SDL_GetKeyboardFocus())))
      desktop_.activate(nullptr);
  }
  advance_clock();
}

// -1 to wait for input alone; otherwise whole milliseconds, rounded up so
// that the loop never wakes before the timer is due.
int SdlBackend::milliseconds_until_due() const {
  const double due = desktop_.timers().next_due();
  if (due < 0) return -1;
  const double left = due - (real_milliseconds() + clock_offset_);
  return left <= 0 ? 0 : static_cast<int>(std::ceil(left));
}

void SdlBackend::advance_clock() {
  const double now = real_milliseconds() + clock_offset_;
  const double due = desktop_.timers().next_due();
  // Timers that poll the cursor must see where it is even when it left our
  // windows, which send no motion from outside.
  if (due >= 0 && due <= now) update_cursor_from_system();
  if (now > desktop_.now()) desktop_.advance(now - desktop_.now());
}

// Inside our windows the motion events place the cursor, and a silent update
// would make the desktop miss the move they deliver.
void SdlBackend::update_cursor_from_system() {
  if (dragging_ || SDL_GetMouseFocus()) return;
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  const int scale = windows_.scale();
  desktop_.set_cursor({static_cast<std::int32_t>(std::floor(static_cast<double>(x) / scale)),
                       static_cast<std::int32_t>(std::floor(static_cast<double>(y) / scale))});
}

// A run-time error raised by a handler while it takes input has no caller
// here: the desktop reports it to the application, as for timers.
void SdlBackend::handle(const SDL_Event& event) {
  try {
    dispatch(event);
  } catch (const RuntimeError& error) {
    desktop_.report(error);
  }
}

void SdlBackend::dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      // The session ends or the process was asked to stop: every form goes
      // that may (an editor may first ask about unsaved changes).
      for (const auto& form : std::vector(desktop_.forms()))
        if (form->alive()) desktop_.close_by_user(*form);
      break;
    case SDL_WINDOWEVENT:
      handle_window_event(event.window);
      break;
    case SDL_MOUSEMOTION:
      handle_mouse_motion(event.motion);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      handle_mouse_button(event.button);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      handle_key(event.key);
      break;
    case SDL_TEXTEDITING:
#if SDL_VERSION_ATLEAST(2, 0, 22)
    case SDL_TEXTEDITING_EXT:
#endif
      handle_text_editing(event);
      break;
    case SDL_TEXTINPUT:
      handle_text_input(event.text);
      break;
    default:
      break;
  }
}

void SdlBackend::handle_window_event(const SDL_WindowEvent& event) {
  Form* form = windows_.form_of(event.windowID);
  if (!form) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      focus_left_application_ = false;
      desktop_.activate(form);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      focus_left_application_ = true;
      break;
    case SDL_WINDOWEVENT_CLOSE:
      desktop_.close_by_user(*form);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      windows_.exposed(event.windowID);
      break;
    default:
      break;
  }
}

}  // namespace okit
