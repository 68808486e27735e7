#pragma once
// okit run with real windows.

#include <optional>
#include <ostream>
#include <string>

namespace okit {

// Loads the form and runs it in SDL windows until its last window closes.
// Returns the exit status, or nothing when no display is available (the
// caller then falls back to rendering off-screen). A form file with errors
// prints them and gives status 2.
std::optional<int> run_form_in_windows(const std::string& form_path, int scale, std::ostream& err);

}  // namespace okit
