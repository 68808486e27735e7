#pragma once
// Access-key markers in captions: "&Save" shows "Save" with the S underlined
// and makes Alt+S its access key; "&&" shows a single '&' and marks nothing.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace okit {

// The caption as it is shown: markers removed, "&&" reduced to '&'. A '&'
// at the very end has nothing to mark and is shown as it is.
std::string strip_mnemonic(std::string_view caption);

// The caption that shows `text` exactly: every '&' doubled, nothing marked.
std::string escape_mnemonic(std::string_view text);

// The marked character in lower case, or 0 when the caption marks none or
// marks a character that no key produces (anything outside ASCII). The first
// marker counts, as in dialogs.
char mnemonic_of(std::string_view caption);

// Where the marked character starts in the shown caption (a byte offset
// into strip_mnemonic(caption)), for its underline; nullopt when nothing is
// marked. Unlike mnemonic_of it also finds characters no key produces.
std::optional<std::size_t> mnemonic_offset(std::string_view caption);

}  // namespace okit
