#pragma once
// okit render and the display-less okit run: a form composed off-screen and
// written as PNG.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace okit {

// okit render FORM -o OUT.png [--state STATE] [--scale N] [--tree]
int render_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The whole number of a --scale option, 1 to 16, or nothing when the text is
// not one.
std::optional<int> parse_scale(const std::string& text);
inline constexpr const char* kScaleProblem = "--scale must be a whole number from 1 to 16";

// Renders FORM to OUT at `scale` in the forced look `state` (empty: each
// control's own look); with `tree`, then writes the form's semantic tree
// there as well.
int render_form(const std::string& form_path, const std::string& png_path, const std::string& state, int scale,
                std::ostream& err, std::ostream* tree = nullptr);

}  // namespace okit
