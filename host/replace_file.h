#pragma once
// Replacing a file's contents so that nobody, a reader or a program that
// stops half-way, ever sees half of them: the text goes to a new file next to
// the target, which is then renamed over it.

#include <string>

#include "host/expected.h"

namespace okit {

// Writes `text` as the whole of `path`. A replaced file keeps its
// permissions; a new one gets the defaults. On failure the previous file is
// as it was and the error names `path` and what failed.
Expected<bool> replace_file(const std::string& path, const std::string& text);

}  // namespace okit
