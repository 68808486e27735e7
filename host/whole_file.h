#pragma once
// Files read and written whole. Replacing a file's contents is done so that
// nobody, a reader or a program that stops half-way, ever sees half of them:
// the text goes to a new file next to the target, which is then renamed over
// it.

#include <optional>
#include <string>

#include "host/expected.h"

namespace okit {

// The bytes of `path`, or nothing when it cannot be opened.
std::optional<std::string> read_whole_file(const std::string& path);

// Writes `text` as the whole of `path`. A replaced file keeps its
// permissions; a new one gets the defaults. On failure the previous file is
// as it was and the error names `path` and what failed.
Expected<bool> replace_file(const std::string& path, const std::string& text);

}  // namespace okit
