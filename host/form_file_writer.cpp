// Writing form files in the one layout they have, so that saving an unchanged
// form gives the same bytes and a diff shows only what changed.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#include "host/form_file.h"
#include "host/utf8.h"

namespace okit {

namespace {

constexpr std::size_t kIndentPerLevel = 3;
constexpr std::size_t kKeyWidth = 16;

void write_block(std::string& out, const FormBlock& block, std::size_t depth) {
  const std::string indent(depth * kIndentPerLevel, ' ');
  const std::string inner(indent.size() + kIndentPerLevel, ' ');
  out += indent + "Begin " + block.library + "." + block.class_name + " " + block.name + "\n";
  for (const FormProperty& property : block.properties) {
    const std::size_t padding = property.key.size() < kKeyWidth ? kKeyWidth - property.key.size() : 0;
    out += inner + property.key + std::string(padding, ' ') + "=   " + format_form_value(property.value) + "\n";
  }
  for (const FormBlock& child : block.children) write_block(out, child, depth + 1);
  out += indent + "End\n";
}

LoadError file_error(const std::string& path, const std::string& what) {
  return LoadError{path, 0, what + ": " + std::strerror(errno)};
}

// Creates a file next to `target` that did not exist before ("x" mode), so
// two saves at once never write into the same temporary file.
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

// Text that is not UTF-8 (set from code or a script) would make a file the
// reader refuses, so such a save is refused instead and the previous file
// stays as it was.
std::optional<LoadError> unreadable_text(const std::string& path, const FormBlock& block) {
  for (const auto& p : block.properties)
    if (p.value.type() == VarType::String && !is_valid_utf8(p.value.to_string()))
      return LoadError{path, 0, p.key + " of " + block.name + " is not valid UTF-8 text; nothing was written"};
  for (const auto& child : block.children)
    if (auto problem = unreadable_text(path, child)) return problem;
  return std::nullopt;
}

}  // namespace

std::string write_form(const FormDocument& doc) {
  // An empty version would give a first line no reader accepts.
  std::string out = "VERSION " + (doc.version.empty() ? std::string("5.00") : doc.version) + "\n";
  for (const std::string& line : doc.object_lines) out += line + "\n";
  write_block(out, doc.form, 0);
  return out;
}

Expected<bool> write_form_file(const std::string& path, const FormDocument& doc) {
  namespace fs = std::filesystem;
  if (auto problem = unreadable_text(path, doc.form)) return *problem;
  std::string temporary;
  std::FILE* file = create_temporary(path, temporary);
  if (!file) return file_error(path, "cannot create a temporary file next to it");
  if (!write_and_close(file, write_form(doc))) {
    LoadError problem = file_error(path, "cannot write " + temporary);
    std::remove(temporary.c_str());
    return problem;
  }
  // A replaced file keeps its permissions; a new one gets the defaults.
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
