#pragma once
// The clipboard edit fields cut to, copy to and paste from. Each desktop has
// one. Without a windowing system (scripts, tests, off-screen runs)
// it keeps the text inside the process; a backend with real windows installs
// one that reaches the system clipboard, so the edit fields never know which
// they talk to.

#include <memory>
#include <string>

#include "host/export.h"

namespace okit {

class OKIT_EXPORT Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The text on the clipboard, as UTF-8; empty when it holds no text.
  virtual std::string text() const = 0;
  virtual void set_text(std::string text) = 0;
};

// Keeps the text in the process; the clipboard of headless runs.
class OKIT_EXPORT InProcessClipboard final : public Clipboard {
 public:
  std::string text() const override { return text_; }
  void set_text(std::string text) override { text_ = std::move(text); }

 private:
  std::string text_;
};

}  // namespace okit
