// The document tree's own helpers; reading and writing live in
// form_file_reader.cpp and form_file_writer.cpp.

#include "host/dispatch.h"
#include "host/form_file.h"

namespace okit {

const FormProperty* FormBlock::find(std::string_view key) const {
  for (const FormProperty& property : properties)
    if (equals_ignore_case(property.key, key)) return &property;
  return nullptr;
}

bool FormBlock::operator==(const FormBlock& other) const {
  return library == other.library && class_name == other.class_name && name == other.name &&
         properties == other.properties && children == other.children;
}

}  // namespace okit
