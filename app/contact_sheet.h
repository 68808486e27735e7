#pragma once
// The contact sheet: every control in every look it can show, one row per
// control kind (the check box has a row per value), each look in a labelled
// cell. Looks are forced with show_forced_look and property puts, never with
// input, so the sheet is the same on every run.

#include <memory>

#include "host/form.h"

namespace okit {

// Builds the sheet on a new, active form of the current desktop.
std::shared_ptr<Form> build_contact_sheet(Desktop& desktop);

}  // namespace okit
