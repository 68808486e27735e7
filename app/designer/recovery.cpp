#include "app/designer/recovery.h"

#include "app/designer/designer.h"
#include "host/form_file.h"
#include "host/form_loader.h"

namespace okit {

std::string recovery_path_for(const std::string& form_path) { return form_path + ".recovery"; }

std::string keep_unsaved_changes(const Designer& designer) {
  if (!designer.modified() || designer.path().empty()) return {};
  const std::string copy = recovery_path_for(designer.path());
  if (auto written = write_form_file(copy, describe_form(designer.form())); !written)
    return "unsaved changes could not be kept: " + written.error().to_string();
  return "unsaved changes are in " + copy;
}

}  // namespace okit
