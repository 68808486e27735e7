#include "host/elements/clipboard.h"

namespace okit {

namespace {

std::unique_ptr<Clipboard>& installed() {
  static std::unique_ptr<Clipboard> current = std::make_unique<InProcessClipboard>();
  return current;
}

}  // namespace

Clipboard& clipboard() { return *installed(); }

void install_clipboard(std::unique_ptr<Clipboard> replacement) {
  installed() = replacement ? std::move(replacement) : std::make_unique<InProcessClipboard>();
}

}  // namespace okit
