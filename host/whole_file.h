#pragma once
// Files read and written whole. Replacing a file's contents is done so that
// nobody, a reader or a program or machine that stops half-way, ever sees
// half of them: the text goes to a new file next to the target, which is
// synced to disk and then renamed over it (docs/reliability.md, "Saves").

#include <optional>
#include <string>

#include "host/expected.h"

namespace okit {

// The bytes of `path`, or nothing when it cannot be opened.
std::optional<std::string> read_whole_file(const std::string& path);

// Writes `text` as the whole of `path`. A replaced file keeps its
// permission bits; a new one gets the defaults (0666 less the umask). A
// symbolic link, or a chain of them, stays: the file it ends at is replaced.
// On failure the error names `path` and what failed, and `path` holds its
// previous contents, with one exception: when only the sync of the folder
// after the rename fails, the new contents are in place and the error says
// they may not be on disk yet.
Expected<bool> replace_file(const std::string& path, const std::string& text);

}  // namespace okit
