#pragma once
// What the host needs to know of the control classes a library publishes:
// how to create one by the class name a form file or a designer gives, which
// classes there are, and the line a saved form names the library with. The
// host creates its own element kinds (Label, TextBox, ...) itself; everything
// else comes from the catalog installed on the desktop, so the host never
// knows which controls exist.

#include <memory>
#include <string>
#include <string_view>

#include "host/dispatch.h"
#include "host/export.h"

namespace okit {

class Element;

class OKIT_EXPORT ClassCatalog {
 public:
  virtual ~ClassCatalog() = default;

  // The library name form files write before a class ("OpalineKit" in
  // "Begin OpalineKit.cmd_Opaline_Button").
  virtual std::string_view library_name() const = 0;

  // A new instance of a published class (name case-insensitive). Raises
  // Can't create object (429) when there is no such class or it cannot be
  // created now.
  virtual std::shared_ptr<Element> create(std::string_view class_name) = 0;

  // The type information a saved form names the library with, the line
  // `Object = "{GUID}#8.0#0"; "OpalineKit"` of a form file.
  virtual std::string form_file_object_line() const = 0;
};

}  // namespace okit
