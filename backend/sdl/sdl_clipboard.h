#pragma once
// The system clipboard through SDL, for edit fields in real windows.

#include <SDL.h>

#include "host/elements/clipboard.h"

namespace okit {

class SdlClipboard final : public Clipboard {
 public:
  std::string text() const override {
    char* held = SDL_GetClipboardText();
    std::string copy = held ? held : "";
    SDL_free(held);
    return copy;
  }
  void set_text(std::string text) override { SDL_SetClipboardText(text.c_str()); }
};

}  // namespace okit
