#include "host/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace okit {

namespace {

LoadError file_error(const std::string& path, const std::string& what) {
  return LoadError{path, 0, what + ": " + std::strerror(errno)};
}

// Creates a file next to `target` that did not exist before ("x" mode), so
// two writers at once never write into the same temporary file.
std::FILE* create_temporary(const std::string& target, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = target + ".saving-" + std::to_string(random());
    if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

// Writes all of `text` and closes the file; false (with errno set) when any
// part failed, including the final flush that fclose does.
bool write_and_close(std::FILE* file, const std::string& text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const int saved_errno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written) errno = saved_errno;
  return written && closed;
}

}  // namespace

std::optional<std::string> read_whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Expected<bool> replace_file(const std::string& path, const std::string& text) {
  namespace fs = std::filesystem;
  std::string temporary;
  std::FILE* file = create_temporary(path, temporary);
  if (!file) return file_error(path, "cannot create a temporary file next to it");
  if (!write_and_close(file, text)) {
    LoadError problem = file_error(path, "cannot write " + temporary);
    std::remove(temporary.c_str());
    return problem;
  }
  std::error_code ignored;
  if (fs::is_regular_file(path, ignored))
    fs::permissions(temporary, fs::status(path, ignored).permissions(), ignored);
  std::error_code renamed;
  fs::rename(temporary, path, renamed);
  if (renamed) {
    std::remove(temporary.c_str());
    return LoadError{path, 0, "cannot replace the file: " + renamed.message()};
  }
  return true;
}

}  // namespace okit
