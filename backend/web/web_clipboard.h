#pragma once
// The clipboard of a page. A browser hands its clipboard out only inside
// the user's own copy, cut and paste (no permission asked there), so the
// page brings the clipboard's text in from each paste event before the key
// that pasted reaches the text box, and gives what a text box copied to the
// copy or cut event that follows the key (web/okit_page.js). What is copied
// outside those keys stays here too; the page offers it to the asynchronous
// clipboard API, which writes it where the page has the permission.

#include <string>
#include <utility>

#include "backend/web/page.h"
#include "host/elements/clipboard.h"

namespace okit {

class WebClipboard final : public Clipboard {
 public:
  std::string text() const override { return text_; }
  void set_text(std::string text) override {
    text_ = std::move(text);
    page::clipboard_written(text_);
  }
  // The system clipboard's text, handed over by a paste event.
  void take_pasted(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

}  // namespace okit
