#pragma once
// okit render and the display-less okit run: a form composed off-screen and
// written as PNG.

#include <ostream>
#include <string>
#include <vector>

namespace okit {

// okit render FORM -o OUT.png [--state STATE] [--scale N]
int render_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Renders FORM to OUT at scale 1 with each control's own look.
int render_form(const std::string& form_path, const std::string& png_path, const std::string& state, int scale,
                std::ostream& err);

}  // namespace okit
