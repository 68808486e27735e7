#pragma once
// okit web: a static web site that runs a form in any browser.
//
//   okit web login.frm -o site/
//
// writes site/index.html, the WebAssembly runtime (okit_runtime.js and
// okit_runtime.wasm), the page's script okit_page.js and a copy of the form;
// any static file server serves the folder. The runtime comes from the
// web-runtime folder beside okit (a build tree where tools/build-web.sh
// built it) or from the installed share/OpalineKit/web-runtime.

#include <ostream>
#include <string>
#include <vector>

namespace okit {

// okit web FORM -o DIR [--runtime DIR]. Exit 0 when the site was written;
// 2 for bad usage, a form that does not load ("FILE:LINE: message", as
// okit render says it), a missing runtime, or a folder that cannot be
// written.
int web_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace okit
