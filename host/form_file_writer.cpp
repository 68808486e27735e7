// Writing form files in the one layout they have, so that saving an unchanged
// form gives the same bytes and a diff shows only what changed.

#include <optional>

#include "host/form_file.h"
#include "host/whole_file.h"
#include "host/utf8.h"

namespace okit {

namespace {

constexpr std::size_t kIndentPerLevel = 3;
constexpr std::size_t kKeyWidth = 16;

// One property's line without its line ending, for a block at `depth`.
std::string property_line(const FormProperty& property, std::size_t depth) {
  const std::size_t padding = property.key.size() < kKeyWidth ? kKeyWidth - property.key.size() : 0;
  return std::string((depth + 1) * kIndentPerLevel, ' ') + property.key + std::string(padding, ' ') + "=   " +
         format_form_value(property.value);
}

void write_block(std::string& out, const FormBlock& block, std::size_t depth) {
  const std::string indent(depth * kIndentPerLevel, ' ');
  out += indent + "Begin " + block.library + "." + block.class_name + " " + block.name + "\n";
  for (const FormProperty& property : block.properties) out += property_line(property, depth) + "\n";
  for (const FormBlock& child : block.children) write_block(out, child, depth + 1);
  out += indent + "End\n";
}

// Text that is not UTF-8 (set from code or a script), or a string too long
// for the line the writer puts it on, would make a file the reader refuses,
// so such a save is refused instead and the previous file stays as it was.
std::optional<LoadError> unreadable_text(const std::string& path, const FormBlock& block, std::size_t depth) {
  for (const auto& p : block.properties) {
    if (p.value.type() != VarType::String) continue;
    if (!is_valid_utf8(p.value.as_string()))
      return LoadError{path, 0, p.key + " of " + block.name + " is not valid UTF-8 text; nothing was written"};
    if (const std::size_t length = property_line(p, depth).size(); length > kMaxFormLineBytes)
      return LoadError{path, 0, p.key + " of " + block.name + " would take a line of " + std::to_string(length) +
                                    " bytes, more than a form file may hold (" + std::to_string(kMaxFormLineBytes) +
                                    "); nothing was written"};
  }
  for (const auto& child : block.children)
    if (auto problem = unreadable_text(path, child, depth + 1)) return problem;
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
  if (auto problem = unreadable_text(path, doc.form, 0)) return *problem;
  return replace_file(path, write_form(doc));
}

}  // namespace okit
