// Form files: any text either reads into a document or fails with a message,
// and any document that reads either loads into a form or fails the same way.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/silent_application.h"
#include "host/form_file.h"
#include "host/form_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto doc = okit::parse_form(text, "fuzz.frm");
  if (!doc) return 0;
  // What was read writes out and reads back: the writer must not produce text
  // the reader refuses.
  if (!okit::parse_form(okit::write_form(*doc), "rewritten.frm")) __builtin_trap();
  // Each input loads on a desktop of its own, so no state leaks between runs.
  okit::QuietDesktop quiet;
  std::vector<okit::UnreadKey> unread;
  (void)okit::load_form(quiet.desktop(), *doc, "fuzz.frm", &unread);
  return 0;
}
