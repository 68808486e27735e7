#pragma once
// The recovery copy: when a signal or the loss of the display ends a design
// session that holds unsaved changes, the form as it stands is written
// beside its file as FORM.frm.recovery (a name no form-file glob picks up,
// that says what it is). The next session on that form finds it: the design
// window offers to restore it, a --script session reports it and leaves it
// alone.

#include <string>

#include "host/expected.h"

namespace okit {

class Designer;

std::string recovery_path_for(const std::string& form_path);

// Writes the recovery copy when the session holds unsaved changes. Returns
// the words for the program's one last line ("unsaved changes are in X"),
// empty when there was nothing to keep or it could not be written (then
// they say why).
std::string keep_unsaved_changes(const Designer& designer);

}  // namespace okit
