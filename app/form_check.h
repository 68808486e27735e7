#pragma once
// okit check: lints a form file. Problems that stop loading are errors
// (exit 2); the rest are warnings (exit 1): keys a control does not know,
// overlapping or clipped controls, duplicate access keys, gaps in tab order.

#include <ostream>
#include <string>

namespace okit {

int check_form_file(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace okit
