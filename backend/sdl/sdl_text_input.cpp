// Text input of the SDL windows: typed text, and an input method's
// composition and commits, delivered to the desktop; the input method
// follows the field with the keyboard.

#include "backend/sdl/sdl_text_input.h"

#include <memory>

#include "backend/sdl/sdl_backend.h"

namespace okit {

SDL_Rect text_input_rect(const Rect& screen_caret_line, Point window_origin, int scale) {
  return {(screen_caret_line.left - window_origin.x) * scale, (screen_caret_line.top - window_origin.y) * scale,
          screen_caret_line.width() * scale, screen_caret_line.height() * scale};
}

void SdlBackend::handle_text_editing(const SDL_Event& event) {
  const char* text = event.edit.text;
  std::uint32_t window_id = event.edit.windowID;
#if SDL_VERSION_ATLEAST(2, 0, 22)
  // A composition too long for the event's own buffer comes on the heap.
  std::unique_ptr<char, void (*)(void*)> long_text(nullptr, SDL_free);
  if (event.type == SDL_TEXTEDITING_EXT) {
    long_text.reset(event.editExt.text);
    text = event.editExt.text;
    window_id = event.editExt.windowID;
  }
#endif
  if (!windows_.form_of(window_id)) return;
  // The cursor SDL reports inside the composition is not shown: the caret
  // stands at its end.
  input_method_composing_ = *text != '\0';
  desktop_.compose_text(text);
}

// Typing and an input method's commit both arrive as text input. A key
// pressed with the left Alt makes an access key, not text.
void SdlBackend::handle_text_input(const SDL_TextInputEvent& event) {
  if (!windows_.form_of(event.windowID) || (SDL_GetModState() & KMOD_LALT)) return;
  input_method_composing_ = false;
  desktop_.commit_text(event.text);
}

// The candidate list goes below the focused field's caret line, and a
// composition the field dropped (the focus moved on, a click placed the
// caret anew) is dropped by the input method too, so that it does not come
// back with the next key.
void SdlBackend::follow_text_input() {
  const std::optional<TextInputSpot> spot = desktop_.text_input_spot();
  if (input_method_composing_ && !(spot && spot->composing)) {
    input_method_composing_ = false;
#if SDL_VERSION_ATLEAST(2, 0, 22)
    SDL_ClearComposition();
#endif
  }
  Form* form = desktop_.active_form();
  SDL_Window* window = form ? windows_.window_of(*form) : nullptr;
  if (!spot || !window) return;
  const SDL_Rect rect = text_input_rect(spot->caret_line, form->client_screen_origin(), windows_.scale());
  const std::uint32_t window_id = SDL_GetWindowID(window);
  if (window_id == text_input_window_ && SDL_RectEquals(&rect, &text_input_rect_)) return;
  text_input_window_ = window_id;
  text_input_rect_ = rect;
  SDL_SetTextInputRect(&rect);
}

}  // namespace okit
