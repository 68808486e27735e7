#pragma once
// okit check: lints a form file. Problems that stop loading are errors
// (exit 2); the rest are warnings (exit 1): keys a control does not know,
// values that load changed, strings holding control characters other than
// tab, overlapping or clipped controls, duplicate access keys, duplicates
// and gaps in tab order, and captions that stop fitting when text is scaled
// to 125%, 150% or 200%.

#include <ostream>
#include <string>

namespace okit {

// Text gives one `FILE:LINE: warning: text` line per problem; Json gives one
// document {"file": ..., "problems": [{"line", "kind", "control", "message"}]}.
enum class CheckOutput { Text, Json };

int check_form_file(const std::string& path, std::ostream& out, std::ostream& err,
                    CheckOutput output = CheckOutput::Text);

}  // namespace okit
