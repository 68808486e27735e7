// Scenario scripts: any text either parses into commands or fails with a
// message; tokens and quoted strings are taken apart on the way.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/scenario_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)okit::parse_script(text, "fuzz.scn");
  if (const auto tokens = okit::tokenize(text)) {
    for (const auto& token : *tokens) (void)okit::unquote(token);
  }
  return 0;
}
